// What the point, sets and params commands print and exit with. The
// transformation's numbers are the engine's; the bytes of the files they
// write are the editor's.
#include "cli_run.h"

#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list_file.h"
#include "params/parameter_file.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"

namespace tessara::cli {
namespace {

using namespace test;

// The point command: the lines and their labels, the options that reach the
// formatting and the readers, and the exit status.
TEST_F(CliTest, PointPrintsOneLinePerValue)
{
    const Args xyz = {"point", "--epoch", "2002.0", "--xyz", "-4052052.048", "4212836.105", "-2545105.587"};
    const auto with = [&xyz](Args more) {
        more.insert(more.begin(), xyz.begin(), xyz.end());
        return more;
    };
    // The form's sample point in each layout; geographic input is south and
    // east whatever its sign.
    const auto geo = [](const char* layout, const char* latitude, const char* longitude) {
        return Args{"point", "--epoch", "1/1/2002", "--geo", latitude, longitude, "603.287", "--layout", layout,
                    "--notation", "dd", "--precision", "4,3,1,1,1"};
    };
    const std::string sameGeo = "X          -4052051.8\nY          4212836.2\nZ          -2545106.0\n"
                                "Latitude   -23.6701\nLongitude  133.8855\nHeight     603.3\nEpoch      01/01/2002\n";
    struct Case { Args args; int status; std::string out; };
    const Case cases[] = {
        {xyz, 0,
         "X          -4052051.7649\nY          4212836.2051\nZ          -2545106.0264\nLatitude   -23 40 12.44604\n"
         "Longitude  133 53 07.84778\nHeight     603.350\nEpoch      2002.000\n"},
        {with({"--reverse", "--set", "ITRF2000"}), 0, "X          -4052052.3311\n"},
        {with({"--notation", "dm"}), 0, "Latitude   -23 40.2074339\nLongitude  133 53.1307963\n"},
        {with({"--notation", "dd"}), 0, "Latitude   -23.67012390\nLongitude  133.88551327\n"},
        {with({"--notation", "dmshp"}), 0, "Latitude   -23.401244604\nLongitude  133.530784778\n"},
        {with({"--notation", "dmhp"}), 0, "Latitude   -23.402074339\nLongitude  133.531307963\n"},
        {with({"--precision", "0,0,0,0,0"}), 0, "X          -4052052\nY          4212836\nZ          -2545106\n"
                                                 "Latitude   -23 40 12\nLongitude  133 53 08\nHeight     603\n"},
        {geo("dms", "23 40 12.43134", "133 53 7.85742"), 0, sameGeo},
        {geo("dm", "23 40.207189", "133 53.130957"), 0, sameGeo},
        {geo("dd", "23.67011982", "133.88551595"), 0, sameGeo},
        {geo("dmshp", "23.40124314", "133.530785742"), 0, sameGeo},
        {geo("dmhp", "-23.4020719", "133.53130956"), 0, sameGeo},
        // A result out of range is printed, with exit 1.
        {{"point", "--epoch", "2002.0", "--xyz", "-8104104", "8425672", "-5090210"}, 1, "Height     6375910.827\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliRun r = runCommandLine(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_THAT(r.out, HasSubstr(c.out));
        EXPECT_EQ(r.err.empty(), c.status == 0) << r.err;
    }
}

TEST_F(CliTest, SetsListsTheBuiltInRecordsSortedWithTheDefault)
{
    const CliRun r = runCommandLine({"sets"});
    EXPECT_EQ(r.status, kExitSuccess);
    EXPECT_THAT(r.err, IsEmpty());
    const std::size_t first = r.out.find("ITRF2000  (built in, displayed, default)\n");
    const std::size_t igs = r.out.find("ITRF2000(IGS)  (built in, displayed)\n");
    const std::size_t i96 = r.out.find("ITRF96  (built in, displayed)\n");
    ASSERT_NE(first, std::string::npos) << r.out;
    EXPECT_TRUE(first < igs && igs < i96 && i96 < r.out.find("ITRF97  (built in, displayed)\n"));
    EXPECT_THAT(r.out, HasSubstr("    epoch                   2000.000\n                          base value  change per year\n"
                                 "    dx (m)                -0.0761000        0.0110000\n"));
    EXPECT_THAT(r.out, HasSubstr("GRS80  (built in)\n    a (m)           6378137.0\n    1/f             298.257222101\n"));
}

TEST_F(CliTest, StoredListsAndNamedFilesAddRecords)
{
    tessara::testing::RecordingNotifier notifier;
    const auto local = [](const char* name) {
        return ParameterSet::fromValues(name, 2010.0, {0.5, -0.25, 1.0, 0.001, 0.002, 0.003, 0.01}, {0, 0, 0, 0, 0, 0, 0});
    };
    ParameterSet fromFile = local("AAA from file");
    Ellipsoid ans = Ellipsoid::fromValues("ANS", 6378160.0, 1, 298.25, 2);
    const std::string list = home_.file(std::string(kParameterListFileName));
    ASSERT_TRUE(appendStoredSet(list, local("Hidden set"), notifier));
    const auto modified = std::filesystem::last_write_time(list);
    ASSERT_TRUE(writeParameterFile("aaa.params", fromFile, notifier));
    ASSERT_TRUE(writeEllipsoidFile("ans.ellipsoid", ans, notifier));
    ASSERT_TRUE(appendStoredEllipsoid(home_.file(std::string(kEllipsoidListFileName)),
                                      Ellipsoid::fromValues("Stored", 6378000.0, 0, 300.0, 0), notifier));

    const CliRun listed = runCommandLine({"sets", "--params", "aaa.params", "--ellipsoid-file", "ans.ellipsoid"});
    EXPECT_EQ(listed.status, kExitSuccess) << listed.err;
    // A set from a file is displayed and sorts first, so it is the default.
    for (const char* record : {"AAA from file  (imported, displayed, default)\n", "Hidden set  (imported, displayed)\n",
                               "ITRF2000  (built in, displayed)\n", "Stored  (imported)\n    a (m)           6378000\n",
                               "ANS  (imported)\n    a (m)           6378160.0\n    1/f             298.25\n"})
        EXPECT_THAT(listed.out, HasSubstr(record));
    // A set from a file is known only while the file is named: nothing was stored.
    EXPECT_THAT(runCommandLine({"sets"}).out, ::testing::Not(HasSubstr("AAA from file")));

    // The other commands use them by name. Translations only at the base
    // epoch (rotations and scale are small): X moves by about half a metre.
    const CliRun point = runCommandLine({"point", "--params", "aaa.params", "--ellipsoid-file", "ans.ellipsoid",
                                         "--ellipsoid", "ans", "--set", "aaa from file", "--epoch", "2010.0",
                                         "--xyz", "-4052052.048", "4212836.105", "-2545105.587"});
    EXPECT_EQ(point.status, kExitSuccess) << point.err;
    EXPECT_THAT(point.out, HasSubstr("X          -4052051.5"));
    // The stored set sorts first, so it is the default of transform; no command writes the lists.
    copyExamples({"cartesian.csv"});
    EXPECT_EQ(runTransformWith({"--epoch", "2005.0", "cartesian.csv", "out.txt"}, {}, {}).status, kExitSuccess);
    EXPECT_THAT(readFile("out.txt"), HasSubstr("ITRF Parameters: Hidden set\r\n"));
    EXPECT_EQ(std::filesystem::last_write_time(list), modified);
}

TEST_F(CliTest, ParamsShowTellsWhatItReadAndNewEllipsoidWritesTheEditorsBytes)
{
    ASSERT_EQ(runCommandLine({"params", "new-ellipsoid", "--name", "GRS80", "--a", "6378137.0",
                              "--inverse-flattening", "298.257222101", "grs80.ellipsoid"}).status, 0);
    EXPECT_EQ(readFile("grs80.ellipsoid"), readFile(fixture("grs80.ellipsoid")));
    // The first set of a list file.
    tessara::testing::RecordingNotifier notifier;
    appendStoredSet("list.tessara", ParameterSet::fromValues("Listed", 2001.0, {1, 2, 3, 4, 5, 6, 7}, {0, 0, 0, 0, 0, 0, 0}),
                    notifier);
    struct Case { std::string file; int status; const char* out; const char* err; };
    const Case cases[] = {
        {fixture("itrf2000.params"), 0, "stored 0x3B043DAD, calculated 0x3B043DAD - matches", ""},
        {"grs80.ellipsoid", 0, "1/f:          298.257222101  (9 decimals)\n", ""},
        {"list.tessara", 0, "Name:         Listed\n", ""},
        {fixture("bad_crc.params"), 1, "- does not match", "Parameters file is incorrect - checksum does not match\n"},
        {fixture("truncated.params"), 1, "incomplete - the file ends inside the record", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const CliRun shown = runCommandLine({"params", "show", c.file});
        EXPECT_EQ(shown.status, c.status);
        EXPECT_THAT(shown.out, HasSubstr(c.out));
        EXPECT_EQ(shown.err, c.err);
    }
}

TEST_F(CliTest, ParamsImportAddsEachValidFileAndExitsWithTheWorstOutcome)
{
    ASSERT_EQ(runCommandLine({"params", "new-ellipsoid", "--name", "Bessel 1841", "--a", "6377397.155",
                              "--inverse-flattening", "299.1528128", "bessel.ellipsoid"}).status, 0);
    struct Case { Args files; int status; const char* out; const char* err; };
    const Case cases[] = {
        {{fixture("itrf2000.params"), "bessel.ellipsoid"}, 0, "Imported the ellipsoid of bessel.ellipsoid", ""},
        {{fixture("bad_crc.params"), fixture("itrf2000.params")}, 1, "Imported set ITRF2000 from",
         "the parameter set is not valid; it was not imported"},
        {{"gone.params", fixture("bad_crc.params")}, 2, "", "gone.params: No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.files.front());
        Args args = {"params", "import"};
        args.insert(args.end(), c.files.begin(), c.files.end());
        const CliRun imported = runCommandLine(args);
        EXPECT_EQ(imported.status, c.status);
        EXPECT_THAT(imported.out, HasSubstr(c.out));
        EXPECT_THAT(imported.err, HasSubstr(c.err));
    }
    // What was imported is there for every later command, and only that.
    EXPECT_THAT(runCommandLine({"sets"}).out, HasSubstr("Bessel 1841"));
    ParameterStore stored;
    tessara::testing::RecordingNotifier notifier;
    loadStoredSets(home_.file(std::string(kParameterListFileName)), stored, notifier);
    EXPECT_TRUE(notifier.shown.empty() && notifier.asked.empty());
    EXPECT_EQ(stored.size(), 1u);
    EXPECT_TRUE(stored.contains("ITRF2000") && stored.find("ITRF2000")->valid);
}

}  // namespace
}  // namespace tessara::cli
