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
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

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

// Appends write the marker once and leave the file read-only; at loading the
// last record of a name wins, damaged ones are reported and a cut last one
// is dropped.
TEST_F(ParameterListFileTest, AppendsThenLoadingWithDamagedAndCutRecords)
{
    std::string expected(kParameterMarker);
    for (ParameterSet set : {setNamed("A", 1.0), setNamed("Bad"), setNamed("A", 2.0), setNamed("C")}) {
        append(set);
        writeParameterRecord(expected, set, true);
    }
    EXPECT_TRUE(isReadOnly(path));
    std::string bytes = readAll(path);
    EXPECT_EQ(bytes, expected);
    const std::size_t badEpoch = bytes.rfind("Bad") + 3;
    bytes[badEpoch + 2] = static_cast<char>(bytes[badEpoch + 2] ^ 0x10);
    bytes.resize(bytes.size() - 3);
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    writeAll(path, bytes);

    const ParameterStore store = load();
    ASSERT_EQ(store.size(), 2u);
    EXPECT_TRUE(store.find("A")->base[0] == 2.0 && store.find("A")->valid && !store.find("A")->builtIn);
    EXPECT_TRUE(!store.find("Bad")->valid && !store.contains("C"));
    EXPECT_THAT(notifier.messages,
                ElementsAre("Error - Parameters for Bad are incorrect - checksum does not match"));
}

TEST_F(ParameterListFileTest, MissingFileSaysNothingAndAFileWithAnotherMarkerIsNeitherLoadedNorAppendedTo)
{
    EXPECT_TRUE(load().empty());
    EXPECT_THAT(notifier.messages, IsEmpty());

    writeAll(path, "**** Ellipsoid ****and more");
    EXPECT_TRUE(load().empty());
    EXPECT_FALSE(appendStoredSet(path, setNamed("A"), notifier));
    EXPECT_THAT(notifier.messages, ElementsAre("Parameters file is incorrect", path + ": Not a list file of this kind"));
    EXPECT_EQ(readAll(path), "**** Ellipsoid ****and more");
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
    EXPECT_TRUE(std::filesystem::file_size(path) == before && isReadOnly(path));
    append(setNamed("C"));
    const ParameterStore store = load();
    EXPECT_TRUE(store.contains("A") && store.contains("C") && !store.contains("B"));
    EXPECT_EQ(notifier.messages.size(), 1u);
}

// The k-th set appended by writer w in the concurrent appends below.
ParameterSet writtenSet(int w, int k)
{
    return setNamed("w" + std::to_string(w) + "s" + std::to_string(k), 0.001 * (k + 1));
}

// Appends from `writers` processes at the same moment, `setsEach` sets each:
// each child waits until the start pipe closes, appends its sets and exits 0
// when every append reported success. With `firstFails` the first writer's
// appends fail part-way, as on a full disk, once the file would grow by more
// than 20 bytes. The exit codes in order.
std::vector<int> appendAtOnce(const std::string& path, int writers, int setsEach, bool firstFails)
{
    const rlim_t firstLimit = firstFails ? std::filesystem::file_size(path) + 20 : 0;
    std::array<int, 2> start{};
    EXPECT_EQ(::pipe(start.data()), 0);
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(start[1]);
            for (char c = 0; ::read(start[0], &c, 1) > 0;) {
            }
            std::optional<test::FileSizeLimit> limit;
            if (w == 0 && firstFails)
                limit.emplace(firstLimit);
            RecordingNotifier quiet;
            bool all = true;
            for (int k = 0; k < setsEach; ++k)
                all = appendStoredSet(path, writtenSet(w, k), quiet) && all;
            ::_exit(all ? 0 : 1);
        }
        children.push_back(pid);
    }
    ::close(start[0]);
    ::close(start[1]);
    std::vector<int> codes;
    for (int status = 0; const pid_t pid : children)
        codes.push_back(::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return codes;
}

TEST_F(ParameterListFileTest, ConcurrentAppendsKeepEverySetReportedSaved)
{
    struct Case { const char* name; int rounds, writers, setsEach; bool firstFails; };
    const Case cases[] = {
        {"two first importers", 60, 2, 1, false},
        {"many concurrent appends", 2, 8, 12, false},
        {"appends racing a failing append", 10, 4, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int round = 0; round < c.rounds; ++round) {
            std::filesystem::remove(path);
            if (c.firstFails)
                append(setNamed("first"));
            const std::vector<int> codes = appendAtOnce(path, c.writers, c.setsEach, c.firstFails);
            const ParameterStore store = load();
            EXPECT_THAT(notifier.messages, IsEmpty()) << "round " << round;
            for (int w = 0; w < c.writers; ++w) {
                const bool fails = c.firstFails && w == 0;
                EXPECT_EQ(codes[static_cast<std::size_t>(w)], fails ? 1 : 0) << "writer " << w;
                for (int k = 0; k < c.setsEach; ++k) {
                    const ParameterSet* loaded = store.find(writtenSet(w, k).name);
                    EXPECT_TRUE(fails ? !loaded : loaded && loaded->valid && loaded->base[0] == 0.001 * (k + 1))
                        << writtenSet(w, k).name << " round " << round;
                }
            }
        }
    }
}

TEST_F(ParameterListFileTest, AnAppendCutsAListThatEndsInsideARecordBackToItsLastWholeRecord)
{
    // Bytes cut off the last record B; with no record at all, bytes of the marker left.
    struct Case { const char* name; std::uintmax_t cutOfLastRecord; std::size_t keptOfMarker; };
    const Case cases[] = {
        {"cut inside the values", 60, 0},
        {"only the displayed flag missing", 4, 0},
        {"cut inside the marker", 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(path);
        if (c.keptOfMarker > 0) {
            writeAll(path, std::string(kParameterMarker.substr(0, c.keptOfMarker)));
        } else {
            append(setNamed("A"));
            append(setNamed("B"));
            std::filesystem::resize_file(path, std::filesystem::file_size(path) - c.cutOfLastRecord);
        }
        notifier.messages.clear();

        append(setNamed("C"));
        append(setNamed("D"));
        EXPECT_THAT(notifier.messages,
                    ElementsAre(path + ": the last record was cut short (an earlier save did not "
                                       "finish); it has been removed"))
            << "told once";
        const ParameterStore store = load();
        EXPECT_TRUE(store.contains("C") && store.contains("D") && !store.contains("B"));
        EXPECT_EQ(store.contains("A"), c.keptOfMarker == 0);
        EXPECT_EQ(notifier.messages.size(), 1u);
    }
}

// A stored "GRS80" never replaces the built-in one; "grs80" is another name.
// Negative decimals (no value entered) survive as two's complement.
TEST(EllipsoidListFile, LoadsOnTopOfTheBuiltInOneWithTheLastRecordWinningInPlace)
{
    TempFolder folder;
    RecordingNotifier notifier;
    const std::string path = folder.file("ellipsoids.tessara");
    for (const auto& [name, a] : {std::pair{"GRS80", 1.0}, {"Mine", 2.0}, {"grs80", 3.0}, {"Mine", 4.0}})
        ASSERT_TRUE(appendStoredEllipsoid(path, Ellipsoid::fromValues(name, a, -1, 300.0, -1), notifier));
    EXPECT_TRUE(isReadOnly(path));

    EllipsoidList list;
    Ellipsoid grs80 = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);
    grs80.builtIn = true;
    list.addOrReplaceEllipsoid(grs80);
    loadStoredEllipsoids(path, list, notifier);

    ASSERT_EQ(list.size(), 3u);
    EXPECT_TRUE(list[0].semiMajorAxis == 6378137.0 && list[2].name == "grs80");
    EXPECT_TRUE(list[1].name == "Mine" && list[1].semiMajorAxis == 4.0 && list[1].valid && !list[1].builtIn);
    EXPECT_EQ(list[1].semiMajorDecimals + list[1].flatteningDecimals, -2);
    EXPECT_THAT(notifier.messages, IsEmpty());
}

}  // namespace
}  // namespace tessara
