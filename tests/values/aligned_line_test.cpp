#include "values/aligned_line.h"

#include "values/formatting.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessara {
namespace {

// A line written out as its non-blank texts and their start columns, for
// expectations that would be error-prone to count out in blanks.
std::string textsAt(std::initializer_list<std::pair<int, std::string_view>> texts)
{
    std::string line;
    for (const auto& [column, text] : texts) {
        line.resize(static_cast<std::size_t>(column), ' ');
        line.append(text);
    }
    return line;
}

TEST(AlignedLine, PlacesOverSixtyBlanks)
{
    struct Placement { std::string text; int column; bool byPoint; };
    struct Case { const char* name; std::vector<Placement> placements; std::string expected; };
    const Case cases[] = {
        {"nothing placed gives an empty line", {}, ""},
        {"text from its column", {{"ab", 3, false}}, "   ab"},
        {"later texts overwrite", {{"aaaa", 0, false}, {"bb", 1, false}}, "abba"},
        {"trailing blanks of a text go too", {{"a  ", 0, false}, {" ", 30, false}}, "a"},
        {"negative start taken as 0", {{"abc", -2, false}}, "abc"},
        {"text far beyond 60", {{"z", 100, false}}, std::string(100, ' ') + "z"},
        {"point at the column", {{"12.345", 42, true}}, std::string(40, ' ') + "12.345"},
        {"without a point the end is the anchor", {{"123", 5, true}}, "  123"},
        {"point left of column 0 clamps", {{"-3950071.853", 3, true}}, "-3950071.853"},
        {"empty text changes nothing", {{"ab", 0, false}, {"", 1, true}}, "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AlignedLine line;
        for (const Placement& p : c.placements)
            p.byPoint ? line.placePoint(p.text, p.column) : line.place(p.text, p.column);
        EXPECT_EQ(line.str(), c.expected);
    }
}

TEST(LayoutGeographicLine, DmUsesTheCarriedDmDegrees)
{
    PointTransformer pt;
    // 33 59.99999996': DM minutes round up to 60 at 7 decimals, the DMS
    // seconds (59.999998 at 6) do not.
    pt.outputGeographic = {33.0 + 59.99999996 / 60.0, 0.0, 0.0};
    FormatOutputPoint(pt, 0, 0, 8, 7, 6);
    EXPECT_EQ(LayoutGeographicLine(pt, AngleNotation::Dm, false).substr(0, 14), "34  00.0000000");
    EXPECT_EQ(LayoutGeographicLine(pt, AngleNotation::Dms, false).substr(0, 16), "33  59 59.999998");
}

// The texts a reader would have kept for each layout.
struct EchoTexts { AngleTexts lat, lon; std::string x, y, z, height; };

PointTransformer withEchoTexts(const EchoTexts& t)
{
    PointTransformer pt;
    pt.inputAnglesRead = {t.lat, t.lon};
    pt.inputXText = t.x, pt.inputYText = t.y, pt.inputZText = t.z, pt.inputHeightText = t.height;
    return pt;
}

// Each layout's plain echo is in the file-run golden files; here the edges.
TEST(LayoutInputEcho, SignsShortMinutesAndTextsOfOtherReaders)
{
    // The texts of one angle as each reader keeps them: DMS, DM (degrees and
    // decimal minutes) or DD.
    const auto kept = [](const char* d, const char* m, const char* sec, const char* dm = "", const char* dd = "") {
        AngleTexts t;
        t.degrees = d, t.minutes = m, t.seconds = sec, t.decimalMinutes = dm, t.decimalDegrees = dd;
        return t;
    };
    const EchoTexts dms{kept("-33", "52", "10.5"), kept("151", "12", "0"), "", "", "", "12.5"};
    // " ": a component the split did not find.
    const EchoTexts dmsOneField{kept("33", "5", " "), kept("151", "123", "0"), "", "", "", "12.5"};
    const EchoTexts dm{kept("33", "", "", "52.5"), kept("151", "", "", "12.25"), "", "", "", "100"};
    EchoTexts negativeDm = dm;
    negativeDm.lat.degrees = "-0";
    const EchoTexts dd{kept("", "", "", "", "-33.5"), kept("", "", "", "", "151.25"), "", "", "", "-5.25"};

    struct Case { const char* name; EchoTexts texts; bool cartesian; int layout; std::string expected; };
    const Case cases[] = {
        {"5 DMS one field, minutes end at 5", dmsOneField, false, 5,
         textsAt({{1, "33"}, {5, "5"}, {17, "151"}, {20, "123"}, {25, "0"}, {40, "12.5"}})},
        {"6 shows no DD", dd, false, 6, std::string(40, ' ') + "-5.25"},
        {"6 DM minus zero degrees", negativeDm, false, 6, textsAt({{0, "-0"}, {4, "52.5"}, {17, "151"}, {21, "12.25"}, {39, "100"}})},
        {"unknown layout: height only", dms, false, 9, std::string(40, ' ') + "12.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PointTransformer pt = withEchoTexts(c.texts);
        EXPECT_EQ(LayoutInputEcho(pt, c.cartesian, c.layout), c.expected);
    }
}

}  // namespace
}  // namespace tessara
