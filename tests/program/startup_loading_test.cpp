// The stored lists across simulated restarts: each "start" rebuilds the
// store and the ellipsoid list from nothing, as the main form does.

#include "program/display_list.h"
#include "program/memory_settings_store.h"
#include "program/startup_loading.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_list_file.h"
#include "params/ellipsoid_menu.h"
#include "params/name_list.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"
#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace tessara {
namespace {

using test::RecordingNotifier;
using test::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

ParameterSet imported(const std::string& name, double dx = 0.5)
{
    return ParameterSet::fromValues(name, 1997.0, {dx, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6},
                                    {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
}

class ParameterStartTest : public ::testing::Test {
protected:
    // One start of the program.
    void start() { LoadParameterSets(store, itrfList, gdaList, listPath, settings, notifier); }
    void import(const ParameterSet& set) { ASSERT_TRUE(appendStoredSet(listPath, set, notifier)); }

    TempFolder folder;
    std::string listPath = folder.file("params.tessara");
    MemorySettingsStore settings;
    RecordingNotifier notifier;
    ParameterStore store;
    NameList itrfList;
    NameList gdaList;
};

TEST_F(ParameterStartTest, WithoutStoredFilesTheFourBuiltInSetsAreListed)
{
    start();
    EXPECT_EQ(store.size(), 4u);
    EXPECT_THAT(itrfList.names(), ElementsAre("ITRF2000", "ITRF2000(IGS)", "ITRF96", "ITRF97"));
    EXPECT_EQ(gdaList.names(), itrfList.names());
    EXPECT_EQ(itrfList.selectedName(), "ITRF2000");
    EXPECT_EQ(gdaList.selectedIndex(), 0);
    for (const auto& [name, set] : store)
        EXPECT_TRUE(set.valid && set.builtIn) << name;
    EXPECT_THAT(notifier.messages, IsEmpty());
}

TEST_F(ParameterStartTest, SetImportedTwiceLoadsOnce)
{
    import(imported("Mine"));
    import(imported("Mine"));
    start();
    EXPECT_EQ(store.size(), 5u);
    EXPECT_THAT(itrfList.names(), ElementsAre("ITRF2000", "ITRF2000(IGS)", "ITRF96", "ITRF97", "Mine"));
    start();  // a second start finds the same
    EXPECT_EQ(std::pair(store.size(), itrfList.size()), std::pair(std::size_t{5}, 5));
    EXPECT_THAT(notifier.messages, IsEmpty());
}

TEST_F(ParameterStartTest, StoredItrf97ReplacesTheBuiltInAtEveryStart)
{
    import(imported("ITRF97", -0.25));
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        start();
        const ParameterSet* set = store.find("ITRF97");
        ASSERT_NE(set, nullptr);
        EXPECT_TRUE(!set->builtIn && set->base[0] == -0.25 && store.size() == 4u);
    }
}

TEST_F(ParameterStartTest, CutLastRecordIsDroppedAndADamagedOneLoadsInvalid)
{
    import(imported("First"));
    import(imported("Damaged"));
    import(imported("Cut"));
    std::filesystem::permissions(listPath, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    std::string bytes = test::readAll(listPath);
    bytes.resize(bytes.size() - 10);
    const std::size_t value = bytes.find("Damaged") + 7 + 8;  // the dx base value
    bytes[value] = static_cast<char>(bytes[value] ^ 0x20);
    std::filesystem::remove(listPath);
    test::writeAll(listPath, bytes);

    start();
    EXPECT_FALSE(store.contains("Cut"));
    EXPECT_TRUE(store.find("First")->valid);
    ASSERT_TRUE(store.contains("Damaged"));
    EXPECT_FALSE(store.find("Damaged")->valid);
    EXPECT_EQ(itrfList.findIgnoringCase("damaged"), 0);  // listed, though invalid
    EXPECT_THAT(notifier.messages,
                ElementsAre("Error - Parameters for Damaged are incorrect - checksum does not match"));
}

TEST_F(ParameterStartTest, HiddenSetsStayInTheStoreAndLeaveBothLists)
{
    import(imported("Mine"));
    settings.writeString(kParameterListSection, "Param0", "ITRF2000=false");
    settings.writeString(kParameterListSection, "Param1", "Mine=false");
    start();
    EXPECT_EQ(store.size(), 5u);
    EXPECT_THAT(itrfList.names(), ElementsAre("ITRF2000(IGS)", "ITRF96", "ITRF97"));
    EXPECT_EQ(gdaList.names(), itrfList.names());
    EXPECT_EQ(itrfList.selectedName(), "ITRF2000(IGS)");

    // At the end of the run the flags go back to the settings, and the next
    // start finds the same lists.
    saveDisplayFlags(store, settings);
    start();
    EXPECT_THAT(itrfList.names(), ElementsAre("ITRF2000(IGS)", "ITRF96", "ITRF97"));
}

class EllipsoidStartTest : public ::testing::Test {
protected:
    void start(bool itrfToGdaActive, std::string_view savedName)
    {
        LoadEllipsoids(list, menu, current, itrfToGdaActive, savedName, listPath, notifier);
    }
    void add(const std::string& name, double a)
    {
        ASSERT_TRUE(appendStoredEllipsoid(listPath, Ellipsoid::fromValues(name, a, 1, 299.0, 1), notifier));
    }

    TempFolder folder;
    std::string listPath = folder.file("ellipsoids.tessara");
    RecordingNotifier notifier;
    EllipsoidList list;
    EllipsoidMenu menu;
    CurrentEllipsoids current{5, 6};
};

TEST_F(EllipsoidStartTest, Grs80AloneWithoutAListFile)
{
    start(true, "");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_TRUE(list[0].name == "GRS80" && list[0].builtIn);
    EXPECT_THAT(menu.names(), ElementsAre("GRS80"));
    EXPECT_EQ(std::pair(current.itrfToGda, current.gdaToItrf), std::pair(0, 0));
}

TEST_F(EllipsoidStartTest, StoredEllipsoidsFollowGrs80AndTheSavedNameIsChosen)
{
    add("GRS80", 1.0);  // ignored: the built-in one cannot be replaced
    add("One", 2.0);
    add("Two", 3.0);
    add("Three", 4.0);
    add("One", 5.0);  // entered again later: replaces in place

    start(false, "Three");
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(std::pair(list[0].semiMajorAxis, list[1].semiMajorAxis), std::pair(6378137.0, 5.0));
    EXPECT_THAT(menu.names(), ElementsAre("GRS80", "One", "Two", "Three"));
    EXPECT_EQ(EllipsoidMenu::commandId(menu.size() - 1), 32792);
    EXPECT_EQ(std::pair(current.itrfToGda, current.gdaToItrf), std::pair(0, 3));

    start(true, "No such ellipsoid");
    EXPECT_EQ(current.itrfToGda, 0);
    EXPECT_EQ(menu.size(), 4);
    EXPECT_THAT(notifier.messages, IsEmpty());
}

}  // namespace
}  // namespace tessara
