#include "filetransform/file_record.h"
#include "filetransform/line_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace tessara {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitLine, PreviewAndRun)
{
    struct Case { const char* name; std::string line; Fields preview; };
    // A blank-separated line with more separators than a line usually has.
    std::string manyLine = "P1";
    Fields manyFields{"P1"};
    for (int i = 1; i <= 45; ++i) {
        manyLine += " " + std::to_string(i);
        manyFields.push_back(std::to_string(i));
    }
    const Case cases[] = {
        {"comma-separated", "P1,-33.5,151.2,40", {"P1", "-33.5", "151.2", "40"}},
        {"blank-separated identifier stays one field", "Mount Stromlo -35 19 10.5", {"Mount Stromlo", "-35", "19", "10.5"}},
        {"blank-separated quotes: a blank inside separates", "P1 -33 52 10 \"x y\"", {"P1", "-33", "52", "10", "\"x,y\""}},
        {"blank-separated quoted identifier", "\"Mt X\" 1 2", {"\"Mt X\"", "1", "2"}},
        {"quoted identifier holding a decimal year stays one field", "\"Mark 1999.5 reset\" -33 52 10", {"\"Mark,1999.5,reset\"", "-33", "52", "10"}},
        {"many blank separators", manyLine, manyFields},
        {"fields are trimmed", " P1 , -33.5 ,151.2", {"P1", "-33.5", "151.2"}},
        {"tabs separate", "P1\t-33.5\t151.2\t40", {"P1", "-33.5", "151.2", "40"}},
        // After the tab becomes a comma there is still only one comma.
        {"one tab is blank-separated", "P1\t-33 52 10", {"P1", "-33", "52", "10"}},
        {"an identifier with blanks before the one tab stays one field", "Mount Stromlo\t-35 19 10.5", {"Mount Stromlo", "-35", "19", "10.5"}},
        {"quoted identifier keeps its comma", "\"Smith, J\",-33.5,151.2", {"\"Smith, J\"", "-33.5", "151.2"}},
        {"quoted field with commas beyond the quote", "\"a,b\"x,1,2", {"\"a,b\"x", "1", "2"}},
        {"leading blanks give an empty first field", "  P1 -33.5 151.2", {"", "P1", "-33.5", "151.2"}},
        {"unclosed quote ends the line", "P1,\"abc,1,2", {"P1"}},
        {"empty fields stay", "P1,,151.2", {"P1", "", "151.2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitLine(c.line, false), c.preview);

        Fields expectedRun = c.preview;
        // Six commas close the last real field and add five empty ones.
        for (int i = 0; i < 5; ++i)
            expectedRun.emplace_back("");
        // An unclosed quote stops the cutting before the closing commas.
        if (c.line.find("\"abc") != std::string::npos)
            expectedRun = c.preview;
        while (expectedRun.size() < 12)
            expectedRun.emplace_back(" ");
        EXPECT_EQ(SplitLine(c.line, true), expectedRun);

        // The view-based split used by the run gives the same texts.
        std::string line = c.line;
        FieldViews views;
        SplitLine(line, true, views);
        EXPECT_EQ(Fields(views.begin(), views.end()), expectedRun);
    }
    // The run rewrites the line it splits.
    std::string line = "P1\t1\t2";
    FieldViews fields;
    SplitLine(line, true, fields);
    EXPECT_TRUE(line.starts_with("P1,1,2,")) << line;
}

TEST(SpacesToCommas, SeparatorsAndDataToken)
{
    struct Case { const char* name; const char* line; const char* expected; };
    const Case cases[] = {
        {"every run of blanks separates", "P1 -33 52 10.5 151 12 30.5 40.0", "P1,-33,52,10.5,151,12,30.5,40.0"},
        {"the right-most blank of a run is the separator", "A   B  C", "A  ,B ,C"},
        {"degrees followed by minutes start the data", "Mount Stromlo -35 19 10.5 149 0 36", "Mount Stromlo,-35,19,10.5,149,0,36"},
        {"degrees followed by 60 are not the data", "Camp 35 60 Rd -35 19 10.5", "Camp 35 60 Rd,-35,19,10.5"},
        {"a decimal year starts the data", "Mount Stromlo Obs 2005.5 -4467105.1 2683047.7 1", "Mount Stromlo Obs,2005.5,-4467105.1,2683047.7,1"},
        {"a date starts the data", "Mt Stromlo 12/05/2005 -35.3 149.0", "Mt Stromlo,12/05/2005,-35.3,149.0"},
        {"a cartesian value starts the data", "Pillar 7 -4467105.09 2683047.655 -3666940.687", "Pillar 7,-4467105.09,2683047.655,-3666940.687"},
        {"degrees followed by a hemisphere letter", "Red Hill 33.5 S 151.2 E", "Red Hill,33.5,S,151.2,E"},
        {"degrees followed by decimal degrees are not data", "Red Hill -33.5 151.2", "Red,Hill,-33.5,151.2"},
        {"words only keep every separator", "Name X Y Z", "Name,X,Y,Z"},
        {"the last token is never examined", "Big Hill 2005.5", "Big,Hill,2005.5"},
        {"a number with letters after it is not data", "Big Hill 2005x 1", "Big,Hill,2005x,1"},
        {"a trailing blank separates an empty token", "A B ", "A,B,"},
        {"position 0 is never a separator", " A", " A"},
        {"a comma already there stays", "P1,-33 52 10", "P1,-33,52,10"},
        // Longitude minutes and a height read like latitude degrees and
        // minutes; a line that starts with its data keeps every separator.
        {"data from the first token on", "-33 46.85 151 9.01 12.5", "-33,46.85,151,9.01,12.5"},
        {"a house number before a word stays an identifier", "12 South Rd -33 52 10 151 12 30",
         "12 South Rd,-33,52,10,151,12,30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SpacesToCommas(c.line), c.expected);
    }
}

TEST(IsNumberText, Characters)
{
    for (const char* number : {"12.5", "-3", "1 2", " "})
        EXPECT_TRUE(IsNumberText(number)) << number;
    for (const char* other : {"", "+3", "1e5", "12/05/2005"})
        EXPECT_FALSE(IsNumberText(other)) << other;
}

TEST(IsNonDataLine, CommentsHeadingsAndData)
{
    struct Case { const char* name; const char* line; bool forRun; bool expected; };
    const Case cases[] = {
        {"three numbers are data", "P1,1,2,3", true, false},
        {"a heading of words", "Name,X,Y,Z", true, true},
        {"a comment that reads as numbers", "#1,2,3", true, true},
        // Five empty fields and the word: six of eleven is not more than half.
        {"one word among three values", "P1,1,2,abc", true, false},
        {"two words among three values", "P1,1,abc,def", true, true},
        {"two fields are never a heading", "Name,X", false, false},
        {"three preview fields with words", "Name,X,Y", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string line = c.line;
        FieldViews fields;
        SplitLine(line, c.forRun, fields);
        EXPECT_EQ(IsNonDataLine(line, fields), c.expected);
    }
    EXPECT_TRUE(IsNonDataLine("", FieldViews{}));
}

TEST(TakeHemisphereLetters, RemovesLetterFields)
{
    struct Case { const char* name; Fields fields; Fields remaining; const char* latitude; const char* longitude; };
    const Case cases[] = {
        {"letters after each axis", {"P1", "33.5", "S", "151.2", "E", "40"}, {"P1", "33.5", "151.2", "40"}, "S", "E"},
        {"field 0 is never taken", {"S", "33.5", "151.2"}, {"S", "33.5", "151.2"}, "", ""},
        {"two letters in a row, lower case", {"P1", "33.5", "151.2", "s", "w", "40"}, {"P1", "33.5", "151.2", "40"}, "S", "W"},
        {"a later letter replaces an earlier one", {"P1", "N", "33.5", "S"}, {"P1", "33.5"}, "S", ""},
        {"longer words stay", {"P1", "SE", "South"}, {"P1", "SE", "South"}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> owned = c.fields;
        FieldViews views(owned.begin(), owned.end());
        const HemisphereLetters letters = TakeHemisphereLetters(views);
        EXPECT_EQ(Fields(views.begin(), views.end()), c.remaining);
        EXPECT_EQ(letters.latitude, c.latitude);
        EXPECT_EQ(letters.longitude, c.longitude);

        TakeHemisphereLetters(owned);
        EXPECT_EQ(owned, c.remaining);
    }
}

constexpr auto kGeo = CoordinateType::Geographic;

// Each layout's reading is pinned by the runs of the sample files; here the
// choice of cartesian or geographic and a height field beyond the record.
TEST(ReadFileRecord, TypeAndMissingHeight)
{
    // No layout: cartesian. a, b, c: X, Y, Z, or latitude, longitude, height.
    struct Case { Fields fields; std::optional<AngleLayout> layout; int f1, f2, f3; double a, b, c; };
    const Case cases[] = {
        {{"P1", "-4052052.048", "4212836.105", "-2545105.587"}, {}, 1, 2, 3, -4052052.048, 4212836.105, -2545105.587},
        {{"P1", "-33.5", "151.2", "40"}, AngleLayout::Dd, 1, 2, 3, -33.5, 151.2, 40},
        // A height field beyond the record reads as empty: height 0.
        {{"P1", "-33.5", "151.2"}, AngleLayout::Dd, 1, 2, 20, -33.5, 151.2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.size());
        PointTransformer pt;
        pt.inputGeographic.height = 99.0;  // left by an earlier record
        const FieldViews fields(c.fields.begin(), c.fields.end());
        const bool xyz = !c.layout;
        EXPECT_TRUE(ReadFileRecord(pt, fields, 0, -1, xyz ? CoordinateType::Cartesian : kGeo, c.layout, c.f1, c.f2, c.f3));
        EXPECT_TRUE(pt.messages.empty() && pt.identifier == "P1" && pt.inputIsCartesian == xyz);
        const Cartesian& x = pt.inputCartesian;
        const Geographic& g = pt.inputGeographic;
        for (const auto& [got, want] : {std::pair{xyz ? x.x : g.latitude, c.a}, {xyz ? x.y : g.longitude, c.b},
                                        {xyz ? x.z : g.height, c.c}})
            EXPECT_NEAR(got, want, 1e-12 * std::max(1.0, std::abs(want)));
    }
}

TEST(ReadFileRecord, FailuresAndTheirMessages)
{
    struct Case { Fields fields; int epochField; std::optional<AngleLayout> layout; int f1, f2, f3; Fields messages; };
    const Case cases[] = {
        {{"P1", "-33", "60", "0", "151", "12", "30"}, -1, AngleLayout::Dms, 1, 4, -1,
         {"Latitude minutes (60) must be less than 60"}},
        {{"P1", "2021", "-33.5", "151.2"}, 1, AngleLayout::Dd, 2, 3, -1, {"Epoch date (2021) must be between 1989 and 2020"}},
        {{"P1", "-33 52", "151 12 30"}, -1, AngleLayout::DmsOneField, 1, 2, -1, {"Latitude seconds value ( ) invalid"}},
        // Empty texts fail without a message.
        {{"P1", "", "-33.5", "151.2"}, 1, AngleLayout::Dd, 2, 3, -1, {}},
        {{"P1", "-33.5"}, -1, AngleLayout::Dd, 1, -1, -1, {}},
        {{"P1", "x", "151.2", "9000"}, -1, AngleLayout::Dd, 1, 2, 3,
         {"Latitude value (x) invalid", "Height must be in range -100 to +5000"}},
        {{"P1", "1x", "2", "3"}, -1, std::nullopt, 1, 2, 3, {"X value (1x) invalid"}},  // no layout: cartesian
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields[1]);
        PointTransformer pt;
        const FieldViews fields(c.fields.begin(), c.fields.end());
        const CoordinateType type = c.layout ? kGeo : CoordinateType::Cartesian;
        EXPECT_FALSE(ReadFileRecord(pt, fields, 0, c.epochField, type, c.layout, c.f1, c.f2, c.f3));
        EXPECT_EQ(pt.messages, c.messages);
    }
}

TEST(ReadFileRecord, IdentifierAndEpoch)
{
    PointTransformer pt;
    const Fields owned = {"P1", "12/05/2005", "-33.5", "151.2"};
    const FieldViews fields(owned.begin(), owned.end());
    ASSERT_TRUE(ReadFileRecord(pt, fields, 0, 1, kGeo, AngleLayout::Dd, 2, 3, -1));
    EXPECT_EQ(pt.epochNotation, 0);
    EXPECT_NEAR(pt.epoch, 2005.0 + 131 * 0.0027397260273972603, 1e-12);
    // No identifier field clears the one of the previous record; one
    // beyond the record reads as empty.
    for (const int identifierField : {-1, 9}) {
        pt.identifier = "old";
        ASSERT_TRUE(ReadFileRecord(pt, fields, identifierField, -1, kGeo, AngleLayout::Dd, 2, 3, -1));
        EXPECT_EQ(pt.identifier, "");
    }
}

}  // namespace
}  // namespace tessara
