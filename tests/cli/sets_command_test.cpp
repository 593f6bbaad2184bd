#include "cli_run.h"

#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list_file.h"
#include "params/parameter_file.h"
#include "params/parameter_list_file.h"

namespace tessara::cli {
namespace {

using namespace test;

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
    EXPECT_THAT(r.out, HasSubstr("    scale (ppm)            0.0079350       -0.0005380\n"));
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
    ASSERT_TRUE(appendStoredSet(home_.file(std::string(kParameterListFileName)), local("Hidden set"), notifier));
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
}

}  // namespace
}  // namespace tessara::cli
