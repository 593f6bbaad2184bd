#include "params/ellipsoid_list.h"
#include "params/ellipsoid_list_file.h"
#include "params/file_writing.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"
#include "params/record_codec.h"
#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace tessara {
namespace {

using test::readAll;
using test::RecordingNotifier;
using test::TempFolder;
using test::writeAll;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

ParameterSet setNamed(const std::string& name, double dx = 0.1)
{
    return ParameterSet::fromValues(name, 2000.0, {dx, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0});
}

class ParameterListFileTest : public ::testing::Test {
protected:
    void append(const ParameterSet& set) { ASSERT_TRUE(appendStoredSet(path, set, notifier)); }
    ParameterStore load()
    {
        ParameterStore store;
        loadStoredSets(path, store, notifier);
        return store;
    }

    TempFolder folder;
    std::string path = folder.file("params.tessara");
    RecordingNotifier notifier;
};

TEST_F(ParameterListFileTest, AppendsWriteTheMarkerOnceAndLeaveTheFileReadOnly)
{
    ParameterSet a = setNamed("A");
    ParameterSet b = setNamed("B");
    append(a);
    append(b);
    EXPECT_TRUE(isReadOnly(path));

    std::string expected(kParameterMarker);
    writeParameterRecord(expected, a, true);
    writeParameterRecord(expected, b, true);
    EXPECT_EQ(readAll(path), expected);
    EXPECT_THAT(notifier.messages, IsEmpty());
}

TEST_F(ParameterListFileTest, LastRecordWinsDamagedOnesAreReportedAndACutLastOneIsDropped)
{
    append(setNamed("A", 1.0));
    append(setNamed("Bad"));
    append(setNamed("A", 2.0));
    append(setNamed("C"));
    std::string bytes = readAll(path);
    const std::size_t badEpoch = bytes.rfind("Bad") + 3;
    bytes[badEpoch + 2] = static_cast<char>(bytes[badEpoch + 2] ^ 0x10);
    bytes.resize(bytes.size() - 3);
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    writeAll(path, bytes);

    const ParameterStore store = load();
    ASSERT_EQ(store.size(), 2u);
    const ParameterSet& a = *store.find("A");
    EXPECT_TRUE(a.base[0] == 2.0 && a.valid && !a.builtIn);
    EXPECT_TRUE(!store.find("Bad")->valid && !store.contains("C"));
    EXPECT_THAT(notifier.messages,
                ElementsAre("Error - Parameters for Bad are incorrect - checksum does not match"));
}

TEST_F(ParameterListFileTest, MissingFileSaysNothingAndWrongMarkerLoadsNothing)
{
    EXPECT_TRUE(load().empty());
    EXPECT_THAT(notifier.messages, IsEmpty());

    append(setNamed("A"));
    std::string bytes = readAll(path);
    bytes[3] = 'x';
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    writeAll(path, bytes);
    EXPECT_TRUE(load().empty());
    EXPECT_THAT(notifier.messages, ElementsAre("Parameters file is incorrect"));
}

TEST_F(ParameterListFileTest, FailedAppendCutsTheFileBackSoLaterRecordsStillLoad)
{
    append(setNamed("A"));
    const auto before = std::filesystem::file_size(path);
    {
        test::FileSizeLimit limit(before + 20);
        EXPECT_FALSE(appendStoredSet(path, setNamed("B"), notifier));
    }
    EXPECT_THAT(notifier.messages, ElementsAre(path + ": File too large"));
    EXPECT_EQ(std::filesystem::file_size(path), before);
    EXPECT_TRUE(isReadOnly(path));

    notifier.messages.clear();
    append(setNamed("C"));
    const ParameterStore store = load();
    EXPECT_TRUE(store.contains("A") && store.contains("C") && !store.contains("B"));
    EXPECT_THAT(notifier.messages, IsEmpty());
}

TEST(EllipsoidListFile, LoadsOnTopOfTheBuiltInOneWithTheLastRecordWinningInPlace)
{
    TempFolder folder;
    RecordingNotifier notifier;
    const std::string path = folder.file("ellipsoids.tessara");
    const auto ellipsoid = [](const std::string& name, double a) {
        return Ellipsoid::fromValues(name, a, 1, 300.0, 1);
    };
    for (const Ellipsoid& e : {ellipsoid("GRS80", 1.0), ellipsoid("Mine", 2.0),
                               ellipsoid("Other", 3.0), ellipsoid("Mine", 4.0)})
        ASSERT_TRUE(appendStoredEllipsoid(path, e, notifier));
    EXPECT_TRUE(isReadOnly(path));

    EllipsoidList list;
    Ellipsoid grs80 = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);
    grs80.builtIn = true;
    list.addOrReplaceEllipsoid(grs80);
    loadStoredEllipsoids(path, list, notifier);

    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].semiMajorAxis, 6378137.0);
    EXPECT_TRUE(list[1].name == "Mine" && list[1].semiMajorAxis == 4.0 && list[1].valid && !list[1].builtIn);
    EXPECT_EQ(list[2].name, "Other");
    EXPECT_THAT(notifier.messages, IsEmpty());

    writeAll(folder.file("wrong.tessara"), "**** Ellipsoid ***");
    loadStoredEllipsoids(folder.file("wrong.tessara"), list, notifier);
    EXPECT_EQ(list.size(), 3u);
    EXPECT_THAT(notifier.messages, ElementsAre("Ellipsoid file is incorrect"));
}

}  // namespace
}  // namespace tessara
