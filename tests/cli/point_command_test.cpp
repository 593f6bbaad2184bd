#include "cli/point_command.h"

#include "cli_run.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using test::CliRun;
using test::CliTest;
using test::runCommandLine;

const std::vector<std::string> kWorkedPoint = {
    "point", "--epoch", "2002.0", "--xyz", "-4052052.048", "4212836.105", "-2545105.587"};

std::vector<std::string> withArgs(std::vector<std::string> args,
                                  std::initializer_list<std::string> more)
{
    args.insert(args.end(), more);
    return args;
}

// The worked example of the ITRF2000 set at epoch 2002.0, both ways.
TEST_F(CliTest, PointGivesTheWorkedExampleAsTheFormShowsIt)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {"ITRF to GDA94", kWorkedPoint,
         "X          -4052051.7649\n"
         "Y          4212836.2051\n"
         "Z          -2545106.0264\n"
         "Latitude   -23 40 12.44604\n"
         "Longitude  133 53 07.84778\n"
         "Height     603.350\n"
         "Epoch      2002.000\n"},
        {"GDA94 to ITRF", withArgs(kWorkedPoint, {"--reverse", "--set", "ITRF2000"}),
         "X          -4052052.3311\n"
         "Y          4212836.0049\n"
         "Z          -2545105.1476\n"
         "Latitude   -23 40 12.41664\n"
         "Longitude  133 53 07.86707\n"
         "Height     603.224\n"
         "Epoch      2002.000\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = runCommandLine(c.args);
        EXPECT_EQ(r.status, kExitSuccess) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_THAT(r.err, IsEmpty());
    }
}

TEST_F(CliTest, PointAnglesInEachNotationWithTheSignInFront)
{
    struct Case {
        const char* notation;
        const char* latitude;
        const char* longitude;
    };
    const Case cases[] = {
        {"dms", "Latitude   -23 40 12.44604\n", "Longitude  133 53 07.84778\n"},
        {"dm", "Latitude   -23 40.2074339\n", "Longitude  133 53.1307963\n"},
        {"dd", "Latitude   -23.67012390\n", "Longitude  133.88551327\n"},
        {"dmshp", "Latitude   -23.401244604\n", "Longitude  133.530784778\n"},
        {"dmhp", "Latitude   -23.402074339\n", "Longitude  133.531307963\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notation);
        const CliRun r = runCommandLine(withArgs(kWorkedPoint, {"--notation", c.notation}));
        EXPECT_EQ(r.status, kExitSuccess);
        EXPECT_THAT(r.out, HasSubstr(c.latitude));
        EXPECT_THAT(r.out, HasSubstr(c.longitude));
    }
    // Fewer decimals round the last field only.
    const CliRun low = runCommandLine(withArgs(kWorkedPoint, {"--precision", "0,0,0,0,0"}));
    EXPECT_THAT(low.out, HasSubstr("X          -4052052\n"));
    EXPECT_THAT(low.out, HasSubstr("Latitude   -23 40 12\n"));
    EXPECT_THAT(low.out, HasSubstr("Height     603\n"));
}

// The form's sample point typed in each layout is the same point; every
// geographic input is south and east, whatever its sign.
TEST_F(CliTest, PointReadsEveryGeographicLayout)
{
    struct Case {
        const char* layout;
        const char* latitude;
        const char* longitude;
    };
    const Case cases[] = {
        {"dms", "23 40 12.43134", "133 53 7.85742"},
        {"dms1", "-23 40 12.43134", "-133 53 7.85742"},
        {"dm", "23 40.207189", "133 53.130957"},
        {"dd", "23.67011982", "133.88551595"},
        {"dmshp", "23.40124314", "133.530785742"},
        {"dmhp", "-23.4020719", "133.53130956"},
    };
    const std::string expected = "X          -4052051.8\n"
                                 "Y          4212836.2\n"
                                 "Z          -2545106.0\n"
                                 "Latitude   -23.6701\n"
                                 "Longitude  133.8855\n"
                                 "Height     603.3\n"
                                 "Epoch      01/01/2002\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        const CliRun r = runCommandLine({"point", "--epoch", "1/1/2002", "--geo", c.latitude,
                                         c.longitude, "603.287", "--layout", c.layout,
                                         "--notation", "dd", "--precision", "4,3,1,1,1"});
        EXPECT_EQ(r.status, kExitSuccess) << r.err;
        EXPECT_EQ(r.out, expected);
    }
}

TEST_F(CliTest, PointRejectionsExitWithOne)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        bool printed;  // the form shows an out-of-range result, not an unread one
        const char* message;
    };
    const Case cases[] = {
        {"unreadable X", {"point", "--epoch", "2002.0", "--xyz", "1x", "2", "3"}, false,
         "X value (1x) invalid"},
        {"epoch out of range", withArgs({"point", "--epoch", "1950.0"}, {"--xyz", "1", "2", "3"}),
         false, "Epoch date (1950.0) must be between 1989 and 2020"},
        // Read without a message, but no epoch: the rates of the year 0 would apply.
        {"epoch of 0", withArgs({"point", "--epoch", "0"}, {"--xyz", "1", "2", "3"}), false,
         "Epoch date cannot be read from (0)"},
        {"result out of range",
         {"point", "--epoch", "2002.0", "--xyz", "-8104104", "8425672", "-5090210"}, true,
         "Calculated height (6375910.8) not in range -100 to +5000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun r = runCommandLine(c.args);
        EXPECT_EQ(r.status, kExitFailure);
        EXPECT_THAT(r.err, HasSubstr(c.message));
        if (c.printed)
            EXPECT_THAT(r.out, HasSubstr("Height     6375910.827\n"));
        else
            EXPECT_THAT(r.out, IsEmpty());
    }
}

}  // namespace
}  // namespace tessara::cli
