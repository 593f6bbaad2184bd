#include "params/parameter_export.h"
#include "params/parameter_store.h"
#include "tests/params/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessara {
namespace {

using test::RecordingNotifier;
using test::TempFolder;

ParameterSet itrf2000()
{
    return ParameterSet::fromValues(
        "ITRF2000", 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
        {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
}

TEST(ParameterExport, WritesTheTenLinesWithCrLfAndUnsetValuesAsTheyAre)
{
    ParameterSet set = itrf2000();
    set.rate[2] = kUnsetValue;  // dz rate
    EXPECT_EQ(parameterExportText(set), "ITRF Parameter File\r\n"
                                        "Name:    ITRF2000\r\n"
                                        "Epoch:    2000.000\r\n"
                                        "dx:    -0.0761,0.0110\r\n"
                                        "dy:    -0.0101,-0.0045\r\n"
                                        "dz:    0.0444,1000000.0000\r\n"
                                        "rx:    0.008765,0.001034\r\n"
                                        "ry:    0.009361,0.000671\r\n"
                                        "rz:    0.009325,0.001039\r\n"
                                        "scale:    0.007935,-0.000538\r\n");
}

TEST(ParameterExport, WritesOneFilePerSetAndSaysHowManyToWhere)
{
    struct Case { const char* name; std::vector<std::string> sets; int exported; const char* message; };  // %s: the folder
    const Case cases[] = {
        {"four sets: plural", {"ITRF2000", "ITRF2000(IGS)", "ITRF96", "ITRF97"}, 4, "Exported 4 sets of parameters to separate files\nto %s"},
        {"one set: singular", {"ITRF97"}, 1, "Exported 1 set of parameters to separate files\nto %s"},
        {"no sets", {}, 0, "No parameters available to be exported"},
        // Sets are written in name order: the one with "/" is the second.
        {"a name that is no file name stops the export", {"A", "B/C", "D"}, 1, "An error has occurred - exported 1 set from the 3 available\nto %s"},
        {"a refused first name: none written", {"..", "Z"}, 0, "An error has occurred - exported 0 sets from the 2 available\nto %s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        ParameterStore store;
        for (const std::string& name : c.sets) {
            ParameterSet set = itrf2000();
            set.name = name;
            store.store(set);
        }
        RecordingNotifier notifier;
        const ExportCount count = exportParameterSets(store, folder.path().string(), notifier);
        EXPECT_TRUE(count.total == static_cast<int>(c.sets.size()) && count.exported == c.exported);

        std::string expected = c.message;
        if (const std::size_t at = expected.find("%s"); at != std::string::npos)
            expected.replace(at, 2, folder.path().string());
        EXPECT_EQ(exportResultMessage(count, folder.path().string()), expected);

        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), c.exported);
        // Every failure is reported, with the path it would have had.
        EXPECT_EQ(notifier.messages.size(), c.exported < count.total ? 1u : 0u);
        for (const std::string& message : notifier.messages)
            EXPECT_NE(message.find("Invalid argument"), std::string::npos);
    }
}

}  // namespace
}  // namespace tessara
