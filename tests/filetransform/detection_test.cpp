#include "filetransform/convert_checks.h"
#include "filetransform/file_format.h"
#include "filetransform/line_fields.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessara {
namespace {

// What a detection gives, in the terms of the run's choices.
struct Expected {
    CoordinateType type;
    int field1, field2, field3;
    std::optional<AngleLayout> layout;
    int identifier;
    int epochField;  // -1: one set date for the file
    EpochMode epochForm;
    bool confirm;
    bool operator==(const Expected&) const = default;
};

void expectChoice(const DetectionChoice& got, const Expected& e)
{
    const FileFormatChoice& f = got.format;
    // The epoch's text form matters only when each record has an epoch.
    const Expected actual{f.coordinateType, f.field1, f.field2, f.field3, f.angleLayout, f.identifierField,
                          f.epochField, e.epochField >= 0 ? f.epochTextForm : e.epochForm, got.confirmLayout};
    EXPECT_TRUE(actual == e);
    EXPECT_EQ(f.epochSource, e.epochField >= 0 ? EpochSource::EachRecord : EpochSource::SetDate);
}

constexpr auto kXyz = CoordinateType::Cartesian;
constexpr auto kGeo = CoordinateType::Geographic;
constexpr auto kDmy = EpochMode::DayMonthYear;
constexpr auto kDec = EpochMode::DecimalYear;

TEST(DetectFileFormat, LayoutsOfOneLine)
{
    struct Case { const char* name; std::vector<std::string> lines; Expected expected; };
    const Case cases[] = {
        // The height is the field after the coordinates, whatever window its
        // value falls in; a minutes or seconds field of 0 is no height.
        {"a coastal height", {"B,-33.780862450,151.150156830,12.5"}, {kGeo, 1, 2, 3, AngleLayout::Dd, 0, -1, kDmy, true}},
        // Trailing blanks and tabs separate nothing.
        {"a height below the sea, epochs first, no identifier", {"2005.25 -33 46.851747 151 9.009410 -9.5 \t"},
         {kGeo, 1, 3, 5, AngleLayout::Dm, -1, 0, kDec, false}},
        {"a height like a longitude", {"B -33 46 51.1 151 9 0.6 130.25"}, {kGeo, 1, 4, 7, AngleLayout::Dms, 0, -1, kDmy, false}},
        {"zero minutes and seconds, no height", {"P1 -33 0 0 151 0 0"}, {kGeo, 1, 4, -1, AngleLayout::Dms, 0, -1, kDmy, false}},
        {"an epoch between the coordinates and the height", {"P1,-33.5,151.2,2005.5,12.5"}, {kGeo, 1, 2, 4, AngleLayout::Dd, 0, 3, kDec, true}},
        {"a word after the coordinates is no height", {"P1,-33.5,151.2,pillar"}, {kGeo, 1, 2, -1, AngleLayout::Dd, 0, -1, kDmy, true}},
        {"tab-separated DM with a date", {"P1\t12/05/2005\t-33\t52.1\t151\t12.5\t400"}, {kGeo, 2, 4, 6, AngleLayout::Dm, 0, 1, kDmy, false}},
        {"longitude before latitude, DMS", {"P1,151,12,30.5,33,52,10.5"}, {kGeo, 4, 1, -1, AngleLayout::Dms, 0, -1, kDmy, false}},
        {"longitude before latitude, DM", {"P1,151,12.5,33,52.1"}, {kGeo, 3, 1, -1, AngleLayout::Dm, 0, -1, kDmy, false}},
        {"latitude with a trailing hemisphere letter", {"P1,33.5S,151.2E,612"}, {kGeo, 1, 2, 3, AngleLayout::Dd, 0, -1, kDmy, true}},
        {"cartesian without identifier", {"-4052052.048,4212836.105,-2545105.587"}, {kXyz, 0, 1, 2, std::nullopt, -1, -1, kDmy, false}},
        // The latitude and longitude are more than three fields apart.
        {"geographic with no known layout", {"P1,-33.5,x,y,z,151.2"}, {kGeo, 1, 5, -1, std::nullopt, 0, -1, kDmy, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FilePreview preview = previewLines(c.lines);
        ASSERT_TRUE(preview.detected.has_value());
        expectChoice(choiceFromDetection(*preview.detected), c.expected);
    }
}

TEST(DetectFileFormat, NothingFound)
{
    const std::vector<std::vector<std::string>> cases = {
        {}, {"Name,Latitude,Longitude"},
        {"P1,-405205.0,421283.1,-254510.5"},  // cartesian values within a million metres
        {"P1,S33.5,151.2"},                   // latitude written after its letter
        {"P1,51.5,-0.12,40"},                 // a point outside Australia
        {"P1,-33.5,151.2,-4052052.0"},        // cartesian and geographic values together
    };
    for (const auto& lines : cases)
        EXPECT_FALSE(previewLines(lines).detected.has_value()) << ::testing::PrintToString(lines);
}

TEST(DetectFileFormat, TheLastDataLineDecidesAndTheChoiceKeepsTheRest)
{
    // Lines are examined from the last: a trailing line of notes is passed
    // over, and the last point line (DM here) wins over an earlier one.
    const FilePreview preview = previewLines({"# survey of 2005", "Name Lat Lon Height", "P1,-33.5,151.2,40",
                                              "P2 -33 52.1 151 12.5 400", "end of file"});
    ASSERT_TRUE(preview.detected.has_value());
    expectChoice(choiceFromDetection(*preview.detected), {kGeo, 1, 3, 5, AngleLayout::Dm, 0, -1, kDmy, false});
    EXPECT_TRUE(preview.rows.size() == 5u && preview.columnCount == 6u);

    // What the detection does not set is kept from the start choice.
    FileFormatChoice start;
    start.direction = FileDirection::Gda94ToItrf;
    start.parameterSetName = "ITRF97";
    start.setDate = "01/01/2005";
    const FileFormatChoice f = choiceFromDetection(*previewLines({"P1,-33.5,151.2"}).detected, start).format;
    EXPECT_TRUE(f.direction == FileDirection::Gda94ToItrf && f.field3 == -1);  // no height
    EXPECT_EQ(f.parameterSetName + " " + f.setDate, "ITRF97 01/01/2005");
}

TEST(FilePreview, ReadsTheFirstTwentyLinesAndNamesTextItCannotTake)
{
    testing::TempFolder folder;
    std::string text;
    for (int i = 1; i <= 25; ++i)
        text += "P" + std::to_string(i) + ",-33.5,151.2\r\n";
    testing::writeFile(folder.file("in.txt"), text);
    const FilePreview preview = previewFile(folder.file("in.txt"));
    ASSERT_EQ(preview.lines.size(), 20u);
    EXPECT_EQ(preview.lines.back(), "P20,-33.5,151.2");
    EXPECT_EQ(preview.problemText, "");

    const FilePreview missing = previewFile(folder.file("none.txt"));
    EXPECT_TRUE(missing.error != 0 && missing.lines.empty() && !missing.detected.has_value());
    testing::writeFile(folder.file("empty.txt"), "");
    const FilePreview empty = previewFile(folder.file("empty.txt"));
    EXPECT_TRUE(empty.error == 0 && empty.rows.empty() && empty.columnCount == 0 && !empty.detected.has_value());

    // The texts of the other problems are pinned by the runs that refuse such input.
    testing::writeFile(folder.file("in.txt"), std::string("P1,-33.5,151.2\n\0\0\0\0", 19));
    EXPECT_EQ(previewFile(folder.file("in.txt")).problemText,
              folder.file("in.txt") + " holds NUL bytes: it is not a text file");
}

}  // namespace
}  // namespace tessara
