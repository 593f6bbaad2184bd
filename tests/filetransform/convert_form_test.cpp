#include "filetransform/convert_form.h"
#include "filetransform/convert_checks.h"

#include "support/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace tessara {
namespace {

using ::testing::ElementsAre;

using Fields = std::array<int, 3>;

// Detection per sample file is covered by the detection tests; here the
// form takes what was detected and drops what the previous file left.
TEST(ConvertForm, PreviewOfASampleFileSetsTheFormsChoices)
{
    struct Case {
        const char* file; std::optional<CoordinateType> type; Fields fields; std::optional<AngleLayout> layout;
        bool confirm; EpochSource epochSource; int epochField; std::optional<EpochMode> epochForm;
    };
    constexpr auto xyz = CoordinateType::Cartesian;
    constexpr auto geo = CoordinateType::Geographic;
    constexpr auto set = EpochSource::SetDate;
    constexpr auto each = EpochSource::EachRecord;
    const Case cases[] = {
        {"cartesian.csv", xyz, {1, 2, 3}, {}, false, set, -1, {}},
        {"geographic_dd.csv", geo, {1, 2, 3}, AngleLayout::Dd, true, set, -1, {}},
        {"geographic_dm_one_field.csv", geo, {2, 3, 4}, AngleLayout::DmOneField, false, each, 1, EpochMode::DecimalYear},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ConvertForm form;
        // What the previous file left must not survive the next one.
        form.cartesianFields = form.geographicFields = {7, 7, 7};
        form.layout = AngleLayout::Dmhp;
        form.identifierField = 9;
        applyPreview(form, previewFile(testing::sourcePath("examples/" + std::string(c.file))));
        EXPECT_EQ(form.fields(), c.fields);
        EXPECT_TRUE(std::tie(form.type, form.layout, form.confirmLayout, form.epochSource, form.epochField, form.epochForm) ==
                    std::tie(c.type, c.layout, c.confirm, c.epochSource, c.epochField, c.epochForm));
        EXPECT_EQ(form.identifierField, 0);
        // The other type's fields are cleared, not kept from before.
        const Fields& other = c.type == xyz ? form.geographicFields : form.cartesianFields;
        EXPECT_EQ(other, (Fields{-1, -1, -1}));
    }
}

TEST(ConvertForm, NothingDetectedClearsTheChoicesButKeepsTheEpochForm)
{
    ConvertForm form;
    std::tie(form.type, form.geographicFields, form.epochForm) =
        std::tuple(CoordinateType::Geographic, Fields{1, 2, 3}, EpochMode::DecimalYear);
    applyPreview(form, previewLines({"name,value", "one,two", "three,four"}));
    EXPECT_TRUE(!form.type && form.columnCount == 2u && form.epochForm == EpochMode::DecimalYear);
    EXPECT_EQ(form.geographicFields, (Fields{-1, -1, -1}));
}

TEST(ConvertForm, EachTypeKeepsItsOwnFieldsAndListEntries)
{
    ConvertForm form;
    form.columnCount = 4;
    form.type = CoordinateType::Geographic;
    form.fields() = {1, 2, -1};
    form.type = CoordinateType::Cartesian;
    EXPECT_EQ(form.fields(), (Fields{-1, -1, -1}));
    form.fields() = {0, 1, 2};
    form.type = CoordinateType::Geographic;
    EXPECT_EQ(form.fields(), (Fields{1, 2, -1}));
    EXPECT_EQ(formatChoice(form).field3, -1);

    // "none" stands first in the height list of a geographic file only.
    EXPECT_TRUE(offersNoField(CoordinateType::Geographic, 2) && !offersNoField(CoordinateType::Geographic, 1) &&
                !offersNoField(CoordinateType::Cartesian, 2));
    EXPECT_THAT(fieldEntries(3, true), ElementsAre("none", "1", "2", "3"));
    EXPECT_THAT(fieldEntries(2, false), ElementsAre("1", "2"));
    struct Case { int field; bool withNone; int entry; };
    for (const Case c : {Case{-1, true, 0}, Case{0, true, 1}, Case{-1, false, -1}, Case{2, false, 2}}) {
        EXPECT_EQ(entryOfField(c.field, c.withNone), c.entry);
        EXPECT_EQ(fieldOfEntry(c.entry, c.withNone), c.field);
    }
}

TEST(ConvertForm, ConvertNeedsAKnownTypeBesidesTheFileAndEpochChecks)
{
    testing::TempFolder folder;
    const std::string input = folder.file("in.txt");
    testing::writeFile(input, "P1,-33.5,151.2\n");
    ConvertForm form;
    std::tie(form.inputPath, form.outputPath, form.setName, form.setDate) =
        std::tuple(input, folder.file("out.txt"), "ITRF2000", "01/01/2005");
    std::tie(form.epochForm, form.layout) = std::tuple(EpochMode::DayMonthYear, AngleLayout::Dd);
    EXPECT_FALSE(checkConvertForm(form).convertEnabled);
    form.type = CoordinateType::Geographic;
    EXPECT_TRUE(checkConvertForm(form).convertEnabled);

    const FileFormatChoice choice = formatChoice(form);
    EXPECT_TRUE(choice.angleLayout == AngleLayout::Dd && choice.parameterSetName == "ITRF2000");
    // A cartesian file takes no angle layout, and a set date no epoch field.
    std::tie(form.type, form.epochField) = std::tuple(CoordinateType::Cartesian, 3);
    EXPECT_TRUE(!formatChoice(form).angleLayout && formatChoice(form).epochField == -1);
    form.epochForm.reset();
    EXPECT_FALSE(checkConvertForm(form).convertEnabled);
}

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
