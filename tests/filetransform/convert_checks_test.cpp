#include "filetransform/convert_checks.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessara {
namespace {

using testing::writeFile;

TEST(ConvertChecks, NamesFoldersAndChoices)
{
    testing::TempFolder folder;
    const std::string in = folder.file("in.txt");
    const std::string other = folder.file("In.txt");
    writeFile(in, "P1,-33.5,151.2\n");
    writeFile(other, "P1,-33.5,151.2\n");
    std::filesystem::create_symlink(in, folder.file("link.txt"));
    const std::string out = folder.file("out.txt");
    const std::string missingFolder = folder.file("none/out.txt");

    FileFormatChoice ok;
    ok.parameterSetName = "ITRF2000";
    ok.setDate = "01/01/2005";
    ok.coordinateType = CoordinateType::Geographic;
    ok.angleLayout = AngleLayout::Dd;

    struct Case {
        const char* name;
        std::string input;
        std::string output;
        std::function<void(FileFormatChoice&)> change;
        bool epochFormChosen;
        bool enabled;
        const char* message;
    };
    const auto same = [](FileFormatChoice&) {};
    const Case cases[] = {
        {"all set", in, out, same, true, true, ""},
        {"no output name", in, "", same, true, false, ""},
        {"no input name", "", out, same, true, false, ""},
        {"the same name", in, in, same, true, false, "Input and output file names must be different!"},
        {"the same file through a link", in, folder.file("link.txt"), same, true, false, "Input and output file names must be different!"},
        // Another file on this file system, though Windows would call it the same.
        {"names differing in case", in, other, same, true, true, ""},
        {"missing input", folder.file("none.txt"), out, same, true, false, "Input file does not exist!"},
        {"missing input folder", folder.file("none/in.txt"), out, same, true, false, "Input file path does not exist!"},
        {"missing output folder", in, missingFolder, same, true, false, "Output file path does not exist!"},
        // The message line shows the last of the name checks that failed.
        {"missing input and output folders", folder.file("none/in.txt"), missingFolder, same, true, false, "Output file path does not exist!"},
        {"a folder as input", folder.path().string(), out, same, true, false, "Input file does not exist!"},
        {"no parameter set", in, out, [](FileFormatChoice& f) { f.parameterSetName.clear(); }, true, false, ""},
        {"no epoch form", in, out, same, false, false, ""},
        {"a date that does not read in its form", in, out, [](FileFormatChoice& f) { f.epochTextForm = EpochMode::DecimalYear; }, true, false, ""},
        {"a decimal year in its form", in, out,
         [](FileFormatChoice& f) {
             f.epochTextForm = EpochMode::DecimalYear;
             f.setDate = "2005.5";
         },
         true, true, ""},
        {"epochs from records need no date", in, out,
         [](FileFormatChoice& f) {
             f.setDate.clear();
             f.epochSource = EpochSource::EachRecord;
             f.epochField = 1;
         },
         true, true, ""},
        {"geographic without a layout", in, out, [](FileFormatChoice& f) { f.angleLayout.reset(); }, true, false, ""},
        {"cartesian needs no layout", in, out,
         [](FileFormatChoice& f) {
             f.coordinateType = CoordinateType::Cartesian;
             f.angleLayout.reset();
         },
         true, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileFormatChoice format = ok;
        c.change(format);
        const ConvertCheck check = checkConvertChoices(c.input, c.output, format, c.epochFormChosen);
        EXPECT_EQ(check.convertEnabled, c.enabled);
        EXPECT_EQ(check.message, c.message);
    }
}

TEST(ConvertChecks, OutputFormatButton)
{
    testing::TempFolder folder;
    EXPECT_FALSE(outputFormatEnabled(""));
    EXPECT_TRUE(outputFormatEnabled(folder.file("new.txt")));  // need not exist yet
    EXPECT_TRUE(outputFormatEnabled("bare.txt"));
    EXPECT_FALSE(outputFormatEnabled(folder.file("none/new.txt")));
}

TEST(ConvertChecks, FileNameRules)
{
    struct Case { const char* path; int filterEntry; const char* withTxtFilter; const char* withCsvFilter; };
    const Case cases[] = {
        {"/data/points.txt", 1, "/data/points.txt", "/data/points.txt"},
        {"/data/points.CSV", 2, "/data/points.CSV", "/data/points.CSV"},
        {"/data/points.dat", 3, "/data/points.dat", "/data/points.dat"},
        {"/data/points", 3, "/data/points.txt", "/data/points.csv"},
        {"/data.v2/points", 3, "/data.v2/points.txt", "/data.v2/points.csv"},
        {"/data/csv", 3, "/data/csv.txt", "/data/csv.csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fileFilterEntry(c.path), c.filterEntry);
        EXPECT_EQ(withDefaultExtension(c.path, 1), c.withTxtFilter);
        EXPECT_EQ(withDefaultExtension(c.path, 2), c.withCsvFilter);
        EXPECT_EQ(withDefaultExtension(c.path, 3), c.path);
    }
}

TEST(ConvertChecks, PreviewOfAnEmptyFile)
{
    testing::TempFolder folder;
    writeFile(folder.file("empty.txt"), "");
    const FilePreview preview = previewFile(folder.file("empty.txt"));
    EXPECT_EQ(preview.error, 0);
    EXPECT_TRUE(preview.rows.empty());
    EXPECT_EQ(preview.columnCount, 0u);
    EXPECT_FALSE(preview.detected.has_value());
}

}  // namespace
}  // namespace tessara
