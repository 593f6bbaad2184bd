#include "cli_run.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

std::string fixture(const char* name)
{
    return (cli::test::sourceRoot() / "tests" / "params" / "fixtures" / name).string();
}

using cli::test::CliRun;
const auto run = cli::test::runCommandLine;

constexpr const char* kBase = "-0.0761,-0.0101,0.0444,0.008765,0.009361,0.009325,0.007935";
constexpr const char* kRates = "0.011,-0.0045,-0.0174,0.001034,0.000671,0.001039,-0.000538";

TEST(ParamsCommand, NewSetWritesTheEditorsBytes)
{
    tessara::test::TempFolder folder;
    const std::string path = folder.file("out.params");
    const CliRun written = run({"params", "new-set", "--name", "ITRF2000", "--epoch", "2000",
                             "--base", kBase, "--rates", kRates, path});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(tessara::test::readAll(path), tessara::test::readAll(fixture("itrf2000.params")));

    const CliRun shown = run({"params", "show", path});
    EXPECT_EQ(shown.status, 0);
    EXPECT_THAT(shown.out, HasSubstr("Name:         ITRF2000\n"));
    EXPECT_THAT(shown.out, HasSubstr("scale (ppm):         0.0079350       -0.0005380\n"));
    EXPECT_THAT(shown.out, HasSubstr("stored 0x3B043DAD, calculated 0x3B043DAD - matches"));
    EXPECT_THAT(shown.err, IsEmpty());
}

TEST(ParamsCommand, NewEllipsoidWritesTheEditorsBytes)
{
    tessara::test::TempFolder folder;
    const std::string path = folder.file("out.ellipsoid");
    EXPECT_EQ(run({"params", "new-ellipsoid", "--name", "GRS80", "--a", "6378137.0",
                   "--inverse-flattening", "298.257222101", path})
                  .status,
              0);
    EXPECT_EQ(tessara::test::readAll(path), tessara::test::readAll(fixture("grs80.ellipsoid")));
    EXPECT_THAT(run({"params", "show", path}).out,
                HasSubstr("1/f:          298.257222101  (9 decimals)\n"));
}

TEST(ParamsCommand, ShowTellsWhatIsWrongAndExitsWithOne)
{
    struct Case {
        const char* file;
        int status;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {"bad_crc.params", 1, "- does not match",
         "Parameters file is incorrect - checksum does not match\n"},
        {"truncated.params", 1, "incomplete - the file ends inside the record", ""},
        {"wrong_marker.params", 1, "", "Parameters file is incorrect\n"},
        {"grs80.ellipsoid", 0, "Kind:         ellipsoid", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const CliRun shown = run({"params", "show", fixture(c.file)});
        EXPECT_EQ(shown.status, c.status);
        EXPECT_THAT(shown.out, HasSubstr(c.out));
        EXPECT_EQ(shown.err, c.err);
    }
}

TEST(ParamsCommand, ShowReadsTheFirstSetOfAListFile)
{
    tessara::test::TempFolder folder;
    const std::string path = folder.file("params.tessara");
    tessara::test::RecordingNotifier notifier;
    appendStoredSet(path,
                    ParameterSet::fromValues("Listed", 2001.0, {1, 2, 3, 4, 5, 6, 7},
                                             {0, 0, 0, 0, 0, 0, 0}),
                    notifier);
    const CliRun shown = run({"params", "show", path});
    EXPECT_EQ(shown.status, 0);
    EXPECT_THAT(shown.out, HasSubstr("Name:         Listed\n"));
}

TEST(ParamsCommand, RefusalsAndUsageErrorsExitWithTwo)
{
    tessara::test::TempFolder folder;
    const std::string out = folder.file("x.params");
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* err;
    };
    const Case cases[] = {
        {"epoch outside the editor's range",
         {"params", "new-set", "--name", "A", "--epoch", "1969", "--base", kBase, "--rates",
          kRates, out},
         "Error parameters are not valid for saving\n--epoch: \"1969\" is not a year"},
        {"ellipsoid with a sign",
         {"params", "new-ellipsoid", "--name", "E", "--a", "-1", "--inverse-flattening", "2", out},
         "Error - ellipsoid values are not valid for saving\n--a: "},
        {"missing option",
         {"params", "new-set", "--name", "A", "--epoch", "2000", "--base", kBase, out},
         "tessara-cli: params new-set needs --rates"},
        {"no file name", {"params", "show"}, "params show needs exactly one file name"},
        {"unknown action", {"params", "list"}, "unknown params action 'list'"},
        {"unknown command", {"convert"}, "unknown command 'convert'"},
        {"missing file",
         {"params", "show", folder.file("none.params")},
         ": No such file or directory"},
        {"no command", {}, "Usage: tessara-cli"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun refused = run(c.args);
        EXPECT_EQ(refused.status, 2);
        EXPECT_THAT(refused.err, HasSubstr(c.err));
        EXPECT_THAT(refused.out, IsEmpty());
    }
    EXPECT_FALSE(std::filesystem::exists(out));

    const std::string nowhere = folder.file("no/such/folder/x.ellipsoid");
    const CliRun failed = run({"params", "new-ellipsoid", "--name", "E", "--a", "1",
                            "--inverse-flattening", "2", nowhere});
    EXPECT_EQ(failed.status, 2);
    EXPECT_EQ(failed.err, nowhere + ": No such file or directory\n");
}

class ParamsImport : public cli::test::CliTest {};

TEST_F(ParamsImport, AddsEachValidFileToTheStoredListAndExitsWithTheWorstOutcome)
{
    ASSERT_EQ(run({"params", "new-ellipsoid", "--name", "Bessel 1841", "--a", "6377397.155",
                   "--inverse-flattening", "299.1528128", "bessel.ellipsoid"})
                  .status,
              0);
    const std::string gone = work_.file("gone.params");
    struct Case {
        const char* name;
        std::vector<std::string> files;
        int status;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {"a set and an ellipsoid", {fixture("itrf2000.params"), "bessel.ellipsoid"}, 0,
         "Imported the ellipsoid of bessel.ellipsoid", ""},
        {"a damaged set beside a good one", {fixture("bad_crc.params"), fixture("itrf2000.params")},
         1, "Imported set ITRF2000 from", "the parameter set is not valid; it was not imported"},
        {"the built-in ellipsoid", {fixture("grs80.ellipsoid")}, 1, "",
         "You cannot replace the parameters for ellipsoid - GRS80"},
        {"a missing file beside a damaged one", {gone, fixture("bad_crc.params")}, 2, "",
         ": No such file or directory"},
        {"no file", {}, 2, "", "params import needs at least one file name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"params", "import"};
        args.insert(args.end(), c.files.begin(), c.files.end());
        const CliRun imported = run(args);
        EXPECT_EQ(imported.status, c.status);
        EXPECT_THAT(imported.out, HasSubstr(c.out));
        EXPECT_THAT(imported.err, HasSubstr(c.err));
    }
    // What was imported is there for every later command, and only that.
    const CliRun sets = run({"sets"});
    EXPECT_EQ(sets.status, 0) << sets.err;
    EXPECT_THAT(sets.out, HasSubstr("Bessel 1841"));
    const ParameterStore stored = [this] {
        ParameterStore store;
        tessara::test::RecordingNotifier notifier;
        loadStoredSets(home_.file(std::string(kParameterListFileName)), store, notifier);
        EXPECT_THAT(notifier.messages, IsEmpty());
        return store;
    }();
    EXPECT_EQ(stored.size(), 1u);
    EXPECT_TRUE(stored.contains("ITRF2000") && stored.find("ITRF2000")->valid);
}

TEST(Dispatcher, Help)
{
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith("Usage: tessara-cli COMMAND"));
    EXPECT_THAT(help.out, HasSubstr("params new-ellipsoid --name NAME --a A"));
    EXPECT_EQ(run({"params", "new-set", "--help"}).status, 0);
}

}  // namespace
}  // namespace tessara::cli
