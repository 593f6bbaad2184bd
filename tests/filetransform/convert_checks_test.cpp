#include "filetransform/convert_checks.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessara {
namespace {

TEST(ConvertChecks, NamesFoldersAndChoices)
{
    testing::TempFolder folder;
    const std::string in = folder.file("in.txt"), out = folder.file("out.txt");
    const std::string other = folder.file("In.txt"), noFolder = folder.file("none/out.txt");
    testing::writeFile(in, "P1,-33.5,151.2\n");
    testing::writeFile(other, "P1,-33.5,151.2\n");
    std::filesystem::create_symlink(in, folder.file("link.txt"));

    struct Case {
        std::string input, output;
        std::function<void(FileFormatChoice&)> change;
        bool epochFormChosen, enabled;
        const char* message;
    };
    const auto same = [](FileFormatChoice&) {};
    const char* const sameName = "Input and output file names must be different!";
    const Case cases[] = {
        {in, out, same, true, true, ""},
        {in, "", same, true, false, ""},
        {"", out, same, true, false, ""},
        {in, in, same, true, false, sameName},
        {in, folder.file("link.txt"), same, true, false, sameName},
        // Another file on this file system, though Windows would call it the same.
        {in, other, same, true, true, ""},
        {folder.file("none.txt"), out, same, true, false, "Input file does not exist!"},
        {folder.file("none/in.txt"), out, same, true, false, "Input file path does not exist!"},
        {in, noFolder, same, true, false, "Output file path does not exist!"},
        // The message line shows the last of the name checks that failed.
        {folder.file("none/in.txt"), noFolder, same, true, false, "Output file path does not exist!"},
        {folder.path().string(), out, same, true, false, "Input file does not exist!"},
        {in, out, [](FileFormatChoice& f) { f.parameterSetName.clear(); }, true, false, ""},
        {in, out, same, false, false, ""},  // no epoch form chosen
        // The date must read in its form.
        {in, out, [](FileFormatChoice& f) { f.epochTextForm = EpochMode::DecimalYear; }, true, false, ""},
        {in, out, [](FileFormatChoice& f) { f.epochTextForm = EpochMode::DecimalYear; f.setDate = "2005.5"; },
         true, true, ""},
        // Epochs from the records need no date.
        {in, out, [](FileFormatChoice& f) { f.setDate.clear(); f.epochSource = EpochSource::EachRecord; f.epochField = 1; },
         true, true, ""},
        {in, out, [](FileFormatChoice& f) { f.angleLayout.reset(); }, true, false, ""},
        {in, out, [](FileFormatChoice& f) { f.coordinateType = CoordinateType::Cartesian; f.angleLayout.reset(); },
         true, true, ""},
    };
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(row++);
        FileFormatChoice format;
        format.parameterSetName = "ITRF2000";
        format.setDate = "01/01/2005";
        format.coordinateType = CoordinateType::Geographic;
        format.angleLayout = AngleLayout::Dd;
        c.change(format);
        const ConvertCheck check = checkConvertChoices(c.input, c.output, format, c.epochFormChosen);
        EXPECT_EQ(check.convertEnabled, c.enabled);
        EXPECT_EQ(check.message, c.message);
    }
    // The output's format can be chosen once its folder exists; the file need not.
    EXPECT_TRUE(outputFormatEnabled(folder.file("new.txt")) && outputFormatEnabled("bare.txt"));
    EXPECT_FALSE(outputFormatEnabled("") || outputFormatEnabled(noFolder));
}

TEST(ConvertChecks, FileNameRules)
{
    struct Case { const char* path; int filterEntry; const char* withTxtFilter; const char* withCsvFilter; };
    for (const Case& c : {Case{"/data/points.txt", 1, "/data/points.txt", "/data/points.txt"},
                          Case{"/data/points.CSV", 2, "/data/points.CSV", "/data/points.CSV"},
                          Case{"/data/points.dat", 3, "/data/points.dat", "/data/points.dat"},
                          Case{"/data/points", 3, "/data/points.txt", "/data/points.csv"},
                          Case{"/data.v2/points", 3, "/data.v2/points.txt", "/data.v2/points.csv"},
                          Case{"/data/csv", 3, "/data/csv.txt", "/data/csv.csv"}}) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fileFilterEntry(c.path), c.filterEntry);
        EXPECT_EQ(withDefaultExtension(c.path, 1), c.withTxtFilter);
        EXPECT_EQ(withDefaultExtension(c.path, 2), c.withCsvFilter);
        EXPECT_EQ(withDefaultExtension(c.path, 3), c.path);
    }
}

}  // namespace
}  // namespace tessara
