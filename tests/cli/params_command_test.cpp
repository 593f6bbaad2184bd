#include "cli_run.h"

#include "params/parameter_list_file.h"
#include "params/parameter_store.h"

namespace tessara::cli {
namespace {

using namespace test;

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
        {fixture("itrf2000.params"), 0, "Name:         ITRF2000\n", ""},
        {fixture("itrf2000.params"), 0, "scale (ppm):         0.0079350       -0.0005380\n", ""},
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
        {{fixture("grs80.ellipsoid")}, 1, "", "You cannot replace the parameters for ellipsoid - GRS80"},
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
