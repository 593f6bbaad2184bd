// Every way of asking for something impossible: the exit status, nothing on
// standard output, and the first line on standard error. A command's own
// usage errors are that one line; the program's usage follows an unknown
// command or params action.
#include "cli_run.h"

#include "params/ellipsoid_file.h"

namespace tessara::cli {
namespace {

using namespace test;

constexpr const char* kBase = "-0.0761,-0.0101,0.0444,0.008765,0.009361,0.009325,0.007935";
constexpr const char* kRates = "0.011,-0.0045,-0.0174,0.001034,0.000671,0.001039,-0.000538";

TEST_F(CliTest, BadInvocationsAndRefusals)
{
    copyExamples({"cartesian.csv", "geographic_dms.txt"});
    writeFile("headings.txt", "Name X Y Z\nwords only here\n");
    writeFile("utf16.txt", std::string("\xFF\xFEP\0" "1\0\n\0", 8));
    writeFile("long.txt", "a\nb\n" + std::string((1u << 20) + 1, '7'));
    tessara::testing::RecordingNotifier notifier;
    Ellipsoid grs80 = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);
    ASSERT_TRUE(writeEllipsoidFile("grs80.ellipsoid", grs80, notifier));
    struct Case { Args args; int status; const char* err; };
    const Case cases[] = {
        {{"transform"}, 2, "tessara-cli transform: transform needs an INPUT file"},
        {{"transform", "a", "b", "c"}, 2, "tessara-cli transform: transform takes INPUT and OUTPUT only, not 'c'"},
        {{"transform", "--epoch", "2005", "--epoch-field", "2", "a"}, 2, "tessara-cli transform: give either --epoch or"},
        {{"transform", "--layout", "dms2", "a"}, 2, "tessara-cli transform: --layout takes dms, dd, dm"},
        {{"transform", "--fields", "0,1,2", "a"}, 2, "tessara-cli transform: --fields takes three field numbers"},
        {{"transform", "--fields", "1,+2,3", "a"}, 2, "tessara-cli transform: --fields takes three field numbers"},
        {{"transform", "--fields", "1,2,99999999999", "a"}, 2, "tessara-cli transform: --fields takes three"},
        {{"transform", "--id-field", "-1", "a"}, 2, "tessara-cli transform: --id-field takes a field number"},
        {{"transform", "--epoch-field", "none", "a"}, 2, "tessara-cli transform: --epoch-field takes a field number"},
        {{"transform", "--precision", "9,7,5,4,3", "a"}, 2, "tessara-cli transform: --precision takes 0 to 8 decimals for the degrees"},
        {{"transform", "--precision", "8,7,5,4,-1", "a"}, 2, "tessara-cli transform: --precision takes 0 to 3 decimals for the height"},
        {{"transform", "--precision", "8,7,5,4", "a"}, 2, "tessara-cli transform: --precision takes five numbers"},
        {{"transform", "--progress=often", "a"}, 2, "tessara-cli transform: --progress takes always or auto"},
        {{"transform", "--epoch", "2005", "missing.txt"}, 2, "tessara-cli transform: missing.txt: No such file"},
        {{"transform", "--epoch", "2005", "."}, 2, "tessara-cli transform: .: Is a directory"},
        {{"transform", "--epoch", "1800", "cartesian.csv"}, 2, "tessara-cli transform: --epoch: Epoch date (1800) must"},
        {{"transform", "cartesian.csv"}, 2, "tessara-cli transform: the file has no epoch field: give --epoch"},
        {{"transform", "--epoch", "2005", "headings.txt"}, 2, "tessara-cli transform: no point layout was detected"},
        {{"transform", "--epoch", "2005", "--type", "xyz", "headings.txt"}, 2, "tessara-cli transform: no point layout"},
        {{"transform", "--epoch", "2005", "--type", "xyz", "geographic_dms.txt"}, 2,
         "tessara-cli transform: the file looks geographic: give --fields with --type"},
        {{"transform", "--epoch", "2005", "--layout", "dms", "cartesian.csv"}, 2,
         "tessara-cli transform: --layout is for geographic files"},
        {{"transform", "--epoch", "2005", "--fields", "2,3,none", "cartesian.csv"}, 2,
         "tessara-cli transform: --fields needs a Z field for cartesian files"},
        {{"transform", "--epoch", "2005", "--type", "geo", "--fields", "2,3,4", "headings.txt"}, 2,
         "tessara-cli transform: geographic coordinates need --layout"},
        {{"transform", "--epoch", "2005", "--set", "ITRF2014", "cartesian.csv"}, 2,
         "tessara-cli transform: unknown parameter set 'ITRF2014'"},
        {{"transform", "--epoch", "2005", "--ellipsoid", "WGS84", "cartesian.csv"}, 2,
         "tessara-cli transform: unknown ellipsoid 'WGS84'"},
        {{"transform", "--epoch", "2005", "--params", "cartesian.csv", "cartesian.csv"}, 2,
         "tessara-cli transform: cartesian.csv: Parameters file is incorrect"},
        {{"transform", "--epoch", "2005", "--ellipsoid-file", "cartesian.csv", "cartesian.csv"}, 2,
         "tessara-cli transform: cartesian.csv: Ellipsoid file is incorrect"},
        // Text the run cannot take is refused before anything is written.
        {{"transform", "--epoch", "2005", "utf16.txt", "out.txt"}, 2,
         "tessara-cli transform: utf16.txt is UTF-16 text; save it as UTF-8 or plain text"},
        {{"detect", "long.txt"}, 2,
         "tessara-cli detect: long.txt: line 3 is longer than 1048576 bytes; it is not a point file"},
        {{"point"}, 2, "tessara-cli point: point needs --epoch"},
        {{"point", "--epoch", "2005"}, 2, "tessara-cli point: point needs either --xyz X Y Z or --geo"},
        {{"point", "--epoch", "2005", "--xyz", "1", "2", "3", "--layout", "dd"}, 2, "tessara-cli point: --layout is for --geo"},
        {{"point", "--epoch", "2005", "--geo", "1", "2", "3", "--layout", "hp"}, 2,
         "tessara-cli point: --layout takes dms, dm, dd"},
        {{"point", "--epoch", "2005", "--xyz", "1", "2", "3", "extra"}, 2, "tessara-cli point: point takes no file names"},
        // Values that do not read print nothing on standard output.
        {{"point", "--epoch", "2002.0", "--xyz", "1x", "2", "3"}, 1, "X value (1x) invalid"},
        // Read without a message, but no epoch: the rates of the year 0 would apply.
        {{"point", "--epoch", "0", "--xyz", "1", "2", "3"}, 1, "Epoch date cannot be read from (0)"},
        {{"sets", "extra"}, 2, "tessara-cli sets: sets takes no file names"},
        {{"sets", "--ellipsoid-file", "grs80.ellipsoid"}, 2,
         "tessara-cli sets: grs80.ellipsoid: the built-in ellipsoid GRS80 cannot be replaced"},
        {{}, 2, "Usage: tessara-cli COMMAND"},
        {{"convert"}, 2, "tessara-cli: unknown command 'convert'"},
        {{"params", "list"}, 2, "tessara-cli: unknown params action 'list'"},
        {{"params", "show"}, 2, "tessara-cli: params show needs exactly one file name"},
        {{"params", "show", "none.params"}, 2, "none.params: No such file or directory"},
        {{"params", "new-set", "--name", "A", "--epoch", "2000", "--base", kBase, "x.params"}, 2,
         "tessara-cli: params new-set needs --rates"},
        {{"params", "new-set", "--name", "A", "--epoch", "1969", "--base", kBase, "--rates", kRates, "x.params"}, 2,
         "Error parameters are not valid for saving\n--epoch: \"1969\" is not a year"},
        {{"params", "new-ellipsoid", "--name", "E", "--a", "-1", "--inverse-flattening", "2", "x.params"}, 2,
         "Error - ellipsoid values are not valid for saving\n--a: \"-1\""},
        {{"params", "new-ellipsoid", "--name", "E", "--a", "1", "--inverse-flattening", "2", "no/x.ellipsoid"}, 2,
         "no/x.ellipsoid: No such file or directory"},
        {{"params", "import"}, 2, "tessara-cli: params import needs at least one file name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliRun r = runCommandLine(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_THAT(r.out, IsEmpty());
        EXPECT_THAT(r.err, StartsWith(c.err));
        if (std::string(c.err).starts_with("tessara-cli ")) {
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        }
    }
    EXPECT_FALSE(std::filesystem::exists("out.txt") || std::filesystem::exists("x.params"));
    for (const Args& help : {Args{"--help"}, Args{"transform", "--help"}, Args{"params", "new-set", "--help"}}) {
        const CliRun r = runCommandLine(help);
        EXPECT_EQ(r.status, kExitSuccess);
        EXPECT_THAT(r.out, StartsWith("Usage:"));
    }
}

}  // namespace
}  // namespace tessara::cli
