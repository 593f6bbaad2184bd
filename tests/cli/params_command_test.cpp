#include "cli_run.h"
#include "params/parameter_list_file.h"

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
