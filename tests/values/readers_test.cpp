#include "values/readers.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

using namespace std::literals;

namespace tessara {
namespace {

// The system's sexagesimal factors, so that expected angles are the
// readers' own expressions.
constexpr double kMin = 0.016666666666666666;
constexpr double kSec = 0.0002777777777777778;
// An expected value not checked (the reading failed early for that axis).
constexpr double kAny = std::numeric_limits<double>::quiet_NaN();

using Messages = std::vector<std::string>;

void expectAngle(double expected, double actual)
{
    if (!std::isnan(expected)) {
        EXPECT_DOUBLE_EQ(expected, actual);
    }
}

// ---------------------------------------------------------------- DMS

struct DmsCase {
    const char* name;
    std::array<std::string_view, 6> texts;  // lat d, m, s, lon d, m, s
    bool ok;
    double latitude, longitude;
    Messages messages;
};

TEST(ReadDms, ComponentsRangesAndMessages)
{
    const DmsCase cases[] = {
        {"south east point", {"-33", "52", "10.5", "151", "12", "30"}, true, -(33 + 52 * kMin + 10.5 * kSec), 151 + 12 * kMin + 30 * kSec, {}},
        {"range applies to degrees only; minus zero degrees carries the sign", {"90", "30", "0", "  -0", "0", "36"}, true, 90 + 30 * kMin, -(36 * kSec), {}},
        {"leading blanks and plus sign", {" +33", " 5", "  1e1", "\t151", "+0", "0"}, true, 33 + 5 * kMin + 10 * kSec, 151.0, {}},
        {"empty minutes and seconds read as 0", {"33", "", "", "151", "", ""}, true, 33.0, 151.0, {}},
        {"all latitude texts empty", {"", "", "", "151", "0", "0"}, false, 0.0, 151.0, {}},
        {"all longitude texts empty", {"33", "0", "0", "", "", ""}, false, 33.0, 0.0, {}},
        {"messages, first mix", {"33 ", "60", "1,5", "-181", "1.5", "60"}, false, kAny, kAny,
         {"Latitude degrees value (33 ) invalid", "Latitude minutes (60) must be less than 60", "Latitude seconds value (1,5) invalid",
          "Longitude degrees (-181) must be in range -180 to +180", "Longitude minutes value (1.5) invalid", "Longitude seconds (60) must be less than 60"}},
        {"messages, second mix", {"91", "5x", "-1", "18O", "-1", "x"}, false, kAny, kAny,
         {"Latitude degrees (91) must be in range -90 to +90", "Latitude minutes value (5x) invalid", "Latitude seconds (-1) must be less than 60",
          "Longitude degrees value (18O) invalid", "Longitude minutes (-1) must be less than 60", "Longitude seconds value (x) invalid"}},
        {"decimal degrees are no integer", {"33.5", "0", "0", "151", "0", "0"}, false, kAny, kAny, {"Latitude degrees value (33.5) invalid"}},
        {"seconds nan fail the range", {"33", "0", "nan", "151", "0", "0"}, false, kAny, kAny, {"Latitude seconds (nan) must be less than 60"}},
        {"saturated degrees are out of range", {"-99999999999999999999", "0", "0", "99999999999999999999", "0", "0"}, false, kAny, kAny,
         {"Latitude degrees (-99999999999999999999) must be in range -90 to +90", "Longitude degrees (99999999999999999999) must be in range -180 to +180"}},
        {"embedded NUL is a character left", {"33\0"sv, "0", "0", "151", "0\0 9"sv, "0"}, false, kAny, kAny,
         {"Latitude degrees value (33) invalid", "Longitude minutes value (0) invalid"}},
        {"percent in the text is quoted as is", {"%s%n", "0", "0", "151", "0", "0"}, false, kAny, kAny, {"Latitude degrees value (%s%n) invalid"}},
    };
    for (const DmsCase& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        pt.inputIsCartesian = true;
        const auto& t = c.texts;
        EXPECT_EQ(c.ok, ReadDms(pt, t[0], t[1], t[2], t[3], t[4], t[5]));
        EXPECT_FALSE(pt.inputIsCartesian);
        EXPECT_EQ(c.messages, pt.messages);
        expectAngle(c.latitude, pt.inputGeographic.latitude);
        expectAngle(c.longitude, pt.inputGeographic.longitude);
    }
}

TEST(ReadDms, KeepsEarlierMessagesAndTheTextsAsReceived)
{
    PointTransformer pt;
    pt.messages.push_back("earlier");
    EXPECT_FALSE(ReadDms(pt, " -33", "52", "10.5 ", "151", "", "0"));
    EXPECT_EQ((Messages{"earlier", "Latitude seconds value (10.5 ) invalid"}), pt.messages);
    // The value read so far is stored even though the call failed.
    EXPECT_DOUBLE_EQ(-(33 + 52 * kMin + 10.5 * kSec), pt.inputGeographic.latitude);
    const AngleTexts& lat = pt.inputAnglesRead.latitude;
    EXPECT_EQ("[ -33][52][10.5 ][]",
              "[" + lat.degrees + "][" + lat.minutes + "][" + lat.seconds + "][" + pt.inputAnglesRead.longitude.minutes + "]");
}

// ----------------------------------------------------------------- DM

struct DmCase {
    const char* name;
    std::array<std::string_view, 4> texts;  // lat d, m, lon d, m
    bool ok;
    double latitude, longitude;
    Messages messages;
};

TEST(ReadDm, DecimalMinutes)
{
    const DmCase cases[] = {
        {"south east point", {"-33", "52.175", "151", "59.9999"}, true, -(33 + 52.175 * kMin), 151 + 59.9999 * kMin, {}},
        {"minus zero degrees", {"-0", "30", "0", "0"}, true, -(30 * kMin), 0.0, {}},
        {"both latitude texts empty", {"", "", "151", "0"}, false, 0.0, 151.0, {}},
        {"latitude messages", {"x", "60", "151", "0"}, false, kAny, 151.0,
         {"Latitude degrees value (x) invalid", "Latitude minutes (60) must be less than 60"}},
        {"longitude messages", {"33", "0", "181", "12,5"}, false, 33.0, kAny,
         {"Longitude degrees (181) must be in range -180 to +180", "Longitude minutes value (12,5) invalid"}},
    };
    for (const DmCase& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        const auto& t = c.texts;
        EXPECT_EQ(c.ok, ReadDm(pt, t[0], t[1], t[2], t[3]));
        EXPECT_EQ(c.messages, pt.messages);
        expectAngle(c.latitude, pt.inputGeographic.latitude);
        expectAngle(c.longitude, pt.inputGeographic.longitude);
        EXPECT_EQ(t[1], pt.inputAnglesRead.latitude.decimalMinutes);
        EXPECT_EQ(t[2], pt.inputAnglesRead.longitude.degrees);
    }
}

// ------------------------------------------------------ decimal degrees

struct TwoFieldCase {
    const char* name;
    std::string_view latitude;
    std::string_view longitude;
    bool ok;
    double latitudeValue, longitudeValue;
    Messages messages;
};

TEST(ReadDecimalDegrees, SignedValuesAndRanges)
{
    const TwoFieldCase cases[] = {
        {"values keep their sign", "-33.5", "151.25", true, -33.5, 151.25, {}},
        {"inclusive limits", "-90", "180", true, -90.0, 180.0, {}},
        {"empty latitude", "", "151", false, 0.0, 151.0, {}},
        {"latitude 91", "91", "0", false, 91.0, 0.0, {"Latitude (91) must be in range -90 to +90"}},
        {"longitude just beyond", "0", "-180.0001", false, 0.0, -180.0001, {"Longitude (-180.0001) must be in range -180 to +180"}},
        {"invalid texts", "33.5S", "151 ", false, kAny, kAny, {"Latitude value (33.5S) invalid", "Longitude value (151 ) invalid"}},
        {"non-finite values fail the range", "nan", "-inf", false, kAny, kAny,
         {"Latitude (nan) must be in range -90 to +90", "Longitude (-inf) must be in range -180 to +180"}},
    };
    for (const TwoFieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        EXPECT_EQ(c.ok, ReadDecimalDegrees(pt, c.latitude, c.longitude));
        EXPECT_EQ(c.messages, pt.messages);
        expectAngle(c.latitudeValue, pt.inputGeographic.latitude);
        expectAngle(c.longitudeValue, pt.inputGeographic.longitude);
        EXPECT_EQ(c.latitude, pt.inputAnglesRead.latitude.decimalDegrees);
    }
}

// -------------------------------------------------------------- packed

TEST(ReadPackedDms, SplitsAtThePointAndQuotesTheField)
{
    const TwoFieldCase cases[] = {
        {"seconds with decimals", "-33.5234567", "151.1230", true, -(33 + 52 * kMin + 34.567 * kSec), 151 + 12 * kMin + 30 * kSec, {}},
        {"short fraction is padded", "33.5", "151.", true, 33 + 50 * kMin, 151.0, {}},
        {"no point is whole degrees", "33", "-180", true, 33.0, -180.0, {}},
        {"minus zero degrees", "-0.3000", "0.0036", true, -(30 * kMin), 36 * kSec, {}},
        {"empty field", "", "151.0", false, 0.0, 151.0, {}},
        {"point first", ".5", "151", false, kAny, 151.0, {"Latitude degrees value (.5 [.5]) invalid"}},
        {"minutes 60", "-33.6012", "151", false, kAny, 151.0, {"Latitude minutes (60 [-33.6012]) must be less than 60"}},
        {"latitude degrees and seconds range", "-91.0060", "151", false, kAny, 151.0,
         {"Latitude degrees (-91 [-91.0060]) must be in range -90 to +90", "Latitude seconds (60.000000 [-91.0060]) must be less than 60"}},
        {"latitude minutes and seconds invalid", "33.a5bc", "151", false, kAny, 151.0,
         {"Latitude minutes value (a5 [33.a5bc]) invalid", "Latitude seconds value (bc.000000 [33.a5bc]) invalid"}},
        {"longitude degrees invalid", "33", "x.1", false, 33.0, kAny, {"Longitude degrees value (x [x.1]) invalid"}},
        {"longitude ranges", "33", "181.7575", false, 33.0, kAny,
         {"Longitude degrees (181 [181.7575]) must be in range -180 to +180", "Longitude minutes (75 [181.7575]) must be less than 60",
          "Longitude seconds (75.000000 [181.7575]) must be less than 60"}},
        {"longitude minutes and seconds invalid", "33", "151.1 2 ", false, 33.0, kAny,
         {"Longitude minutes value (1  [151.1 2 ]) invalid", "Longitude seconds value (2 .000000 [151.1 2 ]) invalid"}},
    };
    for (const TwoFieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        EXPECT_EQ(c.ok, ReadPackedDms(pt, c.latitude, c.longitude));
        EXPECT_FALSE(pt.inputIsCartesian);
        EXPECT_EQ(c.messages, pt.messages);
        expectAngle(c.latitudeValue, pt.inputGeographic.latitude);
        expectAngle(c.longitudeValue, pt.inputGeographic.longitude);
        EXPECT_EQ(c.longitude, pt.inputAnglesRead.longitude.packedDms);
    }
}

TEST(ReadPackedDm, DecimalMinutesAfterTwoDigits)
{
    const TwoFieldCase cases[] = {
        {"decimal minutes", "33.52129", "-151.0730", true, 33 + 52.129 * kMin, -(151 + 7.3 * kMin), {}},
        {"minus zero degrees", "-0.30", "0", true, -(30 * kMin), 0.0, {}},
        {"empty field", "33.5", "", false, 33 + 50 * kMin, 0.0, {}},
        {"latitude minutes", "-33.6", "151", false, kAny, 151.0, {"Latitude minutes (60.00000 [-33.6]) must be less than 60"}},
        {"longitude messages", "33", "-181.5x", false, 33.0, kAny,
         {"Longitude degrees (-181 [-181.5x]) must be in range -180 to +180", "Longitude minutes value (5x.000000 [-181.5x]) invalid"}},
    };
    for (const TwoFieldCase& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        EXPECT_EQ(c.ok, ReadPackedDm(pt, c.latitude, c.longitude));
        EXPECT_EQ(c.messages, pt.messages);
        expectAngle(c.latitudeValue, pt.inputGeographic.latitude);
        expectAngle(c.longitudeValue, pt.inputGeographic.longitude);
        EXPECT_EQ(c.latitude, pt.inputAnglesRead.latitude.packedDm);
    }
}

// ------------------------------------------------- cartesian and height

TEST(ReadCartesian, ReadsTheThreeValuesWithoutRange)
{
    PointTransformer pt;
    EXPECT_TRUE(ReadCartesian(pt, "-3950071.853", " 2522415.368", "-4.311638071e6"));
    EXPECT_TRUE(pt.inputIsCartesian);
    EXPECT_TRUE(pt.inputCartesian.x == -3950071.853 && pt.inputCartesian.y == 2522415.368 &&
                pt.inputCartesian.z == -4311638.071);
    EXPECT_EQ(" 2522415.368", pt.inputYText);
    EXPECT_TRUE(pt.messages.empty());

    EXPECT_FALSE(ReadCartesian(pt, "1", "", "3"));
    EXPECT_TRUE(pt.messages.empty());

    EXPECT_FALSE(ReadCartesian(pt, "1m", "2 ", "--3"));
    EXPECT_EQ((Messages{"X value (1m) invalid", "Y value (2 ) invalid", "Z value (--3) invalid"}),
              pt.messages);
    EXPECT_EQ("--3", pt.inputZText);

    // A geographic reader takes the flag back.
    EXPECT_TRUE(ReadPackedDm(pt, "1", "2"));
    EXPECT_FALSE(pt.inputIsCartesian);
}

TEST(ReadHeight, LeadingNumberWithinLimits)
{
    struct Case { const char* name; std::string_view text; bool ok; double height; };
    const Case cases[] = {
        {"upper limit", "5000", true, 5000.0},
        {"lower limit", "-100", true, -100.0},
        {"just above", "5000.01", false, 5000.01},
        {"letters after the number are ignored", "12abc", true, 12.0},
        {"no number reads as 0", "abc", true, 0.0},
        {"nan fails", "nan", false, kAny},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        EXPECT_EQ(c.ok, ReadHeight(pt, c.text));
        expectAngle(c.height, pt.inputGeographic.height);
        EXPECT_EQ(c.text, pt.inputHeightText);
        EXPECT_EQ(c.ok ? Messages{} : Messages{"Height must be in range -100 to +5000"},
                  pt.messages);
    }
}

// ------------------------------------------------------ one-field axes

TEST(SplitAngleField, BlanksSeparateUpToThreeComponents)
{
    struct Case { const char* name; std::string_view field; std::array<std::string_view, 3> expected; };
    const Case cases[] = {
        {"several blanks and leading white space", " \t 33   52    10.5   ", {"33", "52", "10.5"}},
        {"missing seconds stay a blank", "-33 52", {"-33", "52", " "}},
        {"only white space", " \t ", {" ", " ", " "}},
        {"tabs do not separate", "33\t52 10", {"33\t52", "10", " "}},
        {"a fourth component is dropped", "1 2 3 4", {"1", "2", "3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AngleComponents parts = SplitAngleField(c.field);
        EXPECT_EQ(c.expected, (std::array<std::string_view, 3>{parts.degrees, parts.minutes, parts.seconds}));
    }
}

TEST(SplitAngleField, MissingComponentIsReportedWithABlankQuoted)
{
    const AngleComponents lat = SplitAngleField("33 52");
    const AngleComponents lon = SplitAngleField("151 12 30");
    PointTransformer pt;
    EXPECT_FALSE(
        ReadDms(pt, lat.degrees, lat.minutes, lat.seconds, lon.degrees, lon.minutes, lon.seconds));
    EXPECT_EQ(Messages{"Latitude seconds value ( ) invalid"}, pt.messages);
}

// ---------------------------------------------------------- hemispheres

TEST(ApplyInputHemisphere, SidesThenAustralianConvention)
{
    struct Case { const char* name; bool australian; int latitudeSide, longitudeSide; double latitude, longitude; };
    const Case cases[] = {
        {"Australian convention overrides north and west", true, 1, 1, -33.5, 151.0},
        {"north and west", false, 1, 1, 33.5, -151.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt(c.australian);
        ASSERT_TRUE(ReadDecimalDegrees(pt, "33.5", "-151"));
        ApplyInputHemisphere(pt, c.latitudeSide, c.longitudeSide);
        EXPECT_DOUBLE_EQ(c.latitude, pt.inputGeographic.latitude);
        EXPECT_DOUBLE_EQ(c.longitude, pt.inputGeographic.longitude);
    }
}

TEST(ApplyHemisphereLetters, LettersThenFileStyle)
{
    struct Case { const char* name; std::string_view latitudeLetter, longitudeLetter; FileHemisphereStyle style; double latitude, longitude; };
    constexpr auto kAust = FileHemisphereStyle::Australian;
    constexpr auto kSign = FileHemisphereStyle::Sign;
    constexpr auto kLetter = FileHemisphereStyle::Letter;
    // Every case reads latitude 33.5 and longitude -151.
    const Case cases[] = {
        {"N under the Australian style ends south", "N", "W", kAust, -33.5, 151.0},
        {"N under the letter style ends south", "North", "West", kLetter, -33.5, 151.0},
        {"N under the sign style stays north", "N", "", kSign, 33.5, -151.0},
        {"S and E under the sign style", "South", "East", kSign, -33.5, 151.0},
        {"W under the sign style", "S", "W", kSign, -33.5, -151.0},
        {"letters are case-sensitive", "s", "e", kSign, 33.5, -151.0},
        {"no letters keep the signs", "", " E", kSign, 33.5, -151.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        ASSERT_TRUE(ReadDecimalDegrees(pt, "33.5", "-151"));
        ApplyHemisphereLetters(pt, c.latitudeLetter, c.longitudeLetter, c.style);
        EXPECT_DOUBLE_EQ(c.latitude, pt.inputGeographic.latitude);
        EXPECT_DOUBLE_EQ(c.longitude, pt.inputGeographic.longitude);
    }
}

TEST(HemisphereRules, LeaveACartesianInputAlone)
{
    PointTransformer pt(false);
    pt.inputGeographic.latitude = 33.5;
    pt.inputGeographic.longitude = -151.0;
    ASSERT_TRUE(ReadCartesian(pt, "1", "2", "3"));
    ApplyInputHemisphere(pt, 0, 0);
    ApplyHemisphereLetters(pt, "S", "E", FileHemisphereStyle::Australian);
    EXPECT_EQ(33.5, pt.inputGeographic.latitude);
    EXPECT_EQ(-151.0, pt.inputGeographic.longitude);
}

// ------------------------------------------------------ hostile input

TEST(Readers, HugeAndStrangeTextsAreRejectedSafely)
{
    const std::string digits(2 << 20, '7');
    const std::string blanks(1 << 20, ' ');
    const std::string nonAscii = "33\xC2\xB0";  // 33 and a degree sign
    PointTransformer pt;

    EXPECT_FALSE(ReadDms(pt, digits, blanks, nonAscii, nonAscii, digits, blanks));
    ASSERT_EQ(6u, pt.messages.size());
    EXPECT_EQ("Latitude degrees (" + digits + ") must be in range -90 to +90", pt.messages[0]);
    EXPECT_EQ("Longitude degrees value (33\xC2\xB0) invalid", pt.messages[3]);

    pt.messages.clear();
    EXPECT_FALSE(ReadPackedDms(pt, "1." + digits, blanks));
    EXPECT_FALSE(ReadPackedDm(pt, digits + "." + digits, nonAscii));
    EXPECT_FALSE(ReadDm(pt, "", digits, "", blanks));
    EXPECT_FALSE(ReadDecimalDegrees(pt, digits, "1" + blanks));
    EXPECT_FALSE(ReadCartesian(pt, digits + "x", blanks, nonAscii));
    EXPECT_TRUE(ReadHeight(pt, blanks + "12" + digits.substr(0, 2)));
    EXPECT_DOUBLE_EQ(1277.0, pt.inputGeographic.height);
    EXPECT_EQ(13u, pt.messages.size());

    // A very long but valid number is still read exactly.
    const std::string longOne = "1" + std::string(1 << 20, '0') + "e-1048576";
    pt.messages.clear();
    ASSERT_TRUE(ReadCartesian(pt, longOne, "-" + longOne, "0"));
    EXPECT_EQ(1.0, pt.inputCartesian.x);
    EXPECT_EQ(-1.0, pt.inputCartesian.y);
}

}  // namespace
}  // namespace tessara
