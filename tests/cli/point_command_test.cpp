// The point command's own output: the lines and their labels, the options
// that reach the formatting and the readers, and the exit status. The
// transformation's numbers are the engine's.
#include "cli_run.h"

namespace tessara::cli {
namespace {

using namespace test;

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
        {geo("dms1", "-23 40 12.43134", "-133 53 7.85742"), 0, sameGeo},
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

}  // namespace
}  // namespace tessara::cli
