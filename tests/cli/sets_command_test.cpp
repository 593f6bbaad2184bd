#include "cli/sets_command.h"

#include "cli_run.h"
#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list_file.h"
#include "params/parameter_file.h"
#include "params/parameter_list_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using test::CliRun;
using test::CliTest;
using test::runCommandLine;

ParameterSet localSet(const std::string& name)
{
    return ParameterSet::fromValues(name, 2010.0, {0.5, -0.25, 1.0, 0.001, 0.002, 0.003, 0.01},
                                    {0, 0, 0, 0, 0, 0, 0});
}

TEST_F(CliTest, SetsListsTheBuiltInRecordsSortedWithTheDefault)
{
    const CliRun r = runCommandLine({"sets"});
    EXPECT_EQ(r.status, kExitSuccess);
    EXPECT_THAT(r.err, IsEmpty());
    const std::size_t first = r.out.find("ITRF2000  (built in, displayed, default)\n");
    const std::size_t igs = r.out.find("ITRF2000(IGS)  (built in, displayed)\n");
    const std::size_t i96 = r.out.find("ITRF96  (built in, displayed)\n");
    const std::size_t i97 = r.out.find("ITRF97  (built in, displayed)\n");
    ASSERT_NE(first, std::string::npos) << r.out;
    EXPECT_LT(first, igs);
    EXPECT_LT(igs, i96);
    EXPECT_LT(i96, i97);
    EXPECT_THAT(r.out, HasSubstr("    epoch                   2000.000\n"
                                 "                          base value  change per year\n"
                                 "    dx (m)                -0.0761000        0.0110000\n"));
    EXPECT_THAT(r.out, HasSubstr("    scale (ppm)            0.0079350       -0.0005380\n"));
    EXPECT_THAT(r.out, HasSubstr("GRS80  (built in)\n    a (m)           6378137.0\n"
                                 "    1/f             298.257222101\n"));
}

TEST_F(CliTest, StoredListsAndNamedFilesAddRecords)
{
    tessara::test::RecordingNotifier notifier;
    ParameterSet hidden = localSet("Hidden set");
    ASSERT_TRUE(appendStoredSet(home_.file(std::string(kParameterListFileName)), hidden,
                                notifier));
    ParameterSet fromFile = localSet("AAA from file");
    ASSERT_TRUE(writeParameterFile("aaa.params", fromFile, notifier));
    Ellipsoid ans = Ellipsoid::fromValues("ANS", 6378160.0, 1, 298.25, 2);
    ASSERT_TRUE(writeEllipsoidFile("ans.ellipsoid", ans, notifier));
    Ellipsoid stored = Ellipsoid::fromValues("Stored", 6378000.0, 0, 300.0, 0);
    ASSERT_TRUE(appendStoredEllipsoid(home_.file(std::string(kEllipsoidListFileName)), stored,
                                      notifier));

    const CliRun listed =
        runCommandLine({"sets", "--params", "aaa.params", "--ellipsoid-file", "ans.ellipsoid"});
    EXPECT_EQ(listed.status, kExitSuccess) << listed.err;
    // A set from a file is displayed and sorts first, so it is the default.
    EXPECT_THAT(listed.out, HasSubstr("AAA from file  (imported, displayed, default)\n"));
    EXPECT_THAT(listed.out, HasSubstr("Hidden set  (imported, displayed)\n"));
    EXPECT_THAT(listed.out, HasSubstr("ITRF2000  (built in, displayed)\n"));
    EXPECT_THAT(listed.out, HasSubstr("Stored  (imported)\n    a (m)           6378000\n"));
    EXPECT_THAT(listed.out, HasSubstr("ANS  (imported)\n    a (m)           6378160.0\n"
                                      "    1/f             298.25\n"));

    // A set from a file is known only while the file is named: nothing was stored.
    EXPECT_THAT(runCommandLine({"sets"}).out, Not(HasSubstr("AAA from file")));

    // The other commands use them by name.
    const CliRun point = runCommandLine({"point", "--params", "aaa.params", "--ellipsoid-file",
                                         "ans.ellipsoid", "--ellipsoid", "ans", "--set",
                                         "aaa from file", "--epoch", "2010.0", "--xyz",
                                         "-4052052.048", "4212836.105", "-2545105.587"});
    EXPECT_EQ(point.status, kExitSuccess) << point.err;
    // Translations only at the base epoch (rotations in arc-seconds and scale
    // in ppm are small): X moves by about half a metre.
    EXPECT_THAT(point.out, HasSubstr("X          -4052051.5"));
}

TEST_F(CliTest, UnusableNamedFilesAreRefused)
{
    tessara::test::RecordingNotifier notifier;
    Ellipsoid grs80 = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);
    ASSERT_TRUE(writeEllipsoidFile("grs80.ellipsoid", grs80, notifier));
    tessara::test::writeAll("empty.params", "");
    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"sets", "--ellipsoid-file", "grs80.ellipsoid"},
         "grs80.ellipsoid: the built-in ellipsoid GRS80 cannot be replaced"},
        {{"sets", "--params", "empty.params"}, "empty.params: Parameters file is incorrect"},
        {{"sets", "--params", "."}, "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        const CliRun r = runCommandLine(c.args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_THAT(r.out, IsEmpty());
        EXPECT_THAT(r.err, HasSubstr(c.error));
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

}  // namespace
}  // namespace tessara::cli
