#include "values/readers.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
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

// ------------------------------------------------------- angle readers

enum class Reader { Dms, Dm, Dd, PackedDms, PackedDm };

// Runs one reader over its texts (latitude first); returns what it returned
// and the texts it kept, in the same order.
bool readAngles(Reader reader, PointTransformer& pt, const std::vector<std::string_view>& t,
                std::vector<std::string>& kept)
{
    const AngleTexts& lat = pt.inputAnglesRead.latitude;
    const AngleTexts& lon = pt.inputAnglesRead.longitude;
    bool ok = false;
    switch (reader) {
    case Reader::Dms:
        ok = ReadDms(pt, t[0], t[1], t[2], t[3], t[4], t[5]);
        kept = {lat.degrees, lat.minutes, lat.seconds, lon.degrees, lon.minutes, lon.seconds};
        break;
    case Reader::Dm:
        ok = ReadDm(pt, t[0], t[1], t[2], t[3]);
        kept = {lat.degrees, lat.decimalMinutes, lon.degrees, lon.decimalMinutes};
        break;
    case Reader::Dd:
        ok = ReadDecimalDegrees(pt, t[0], t[1]);
        kept = {lat.decimalDegrees, lon.decimalDegrees};
        break;
    case Reader::PackedDms:
        ok = ReadPackedDms(pt, t[0], t[1]);
        kept = {lat.packedDms, lon.packedDms};
        break;
    case Reader::PackedDm:
        ok = ReadPackedDm(pt, t[0], t[1]);
        kept = {lat.packedDm, lon.packedDm};
        break;
    }
    return ok;
}

TEST(AngleReaders, ValuesRangesAndMessages)
{
    struct Case { const char* name; Reader reader; std::vector<std::string_view> texts; bool ok; double latitude, longitude; Messages messages; };
    using R = Reader;
    const Case cases[] = {
        // DMS, three texts per axis.
        {"DMS range applies to degrees only; minus zero degrees carries the sign", R::Dms, {"90", "30", "0", "  -0", "0", "36"}, true, 90 + 30 * kMin, -(36 * kSec), {}},
        {"DMS inclusive negative limits, read by the general reading", R::Dms, {" -90", "0", "0", " -180", "0", "0"}, true, -90.0, -180.0, {}},
        {"DMS empty minutes and seconds read as 0", R::Dms, {"33", "", "", "151", "", ""}, true, 33.0, 151.0, {}},
        {"DMS all latitude texts empty", R::Dms, {"", "", "", "151", "0", "0"}, false, 0.0, 151.0, {}},
        {"DMS messages, first mix", R::Dms, {"33 ", "60", "1,5", "-181", "1.5", "60"}, false, kAny, kAny,
         {"Latitude degrees value (33 ) invalid", "Latitude minutes (60) must be less than 60", "Latitude seconds value (1,5) invalid",
          "Longitude degrees (-181) must be in range -180 to +180", "Longitude minutes value (1.5) invalid", "Longitude seconds (60) must be less than 60"}},
        {"DMS messages, second mix", R::Dms, {"91", "5x", "-1", "18O", "-1", "x"}, false, kAny, kAny,
         {"Latitude degrees (91) must be in range -90 to +90", "Latitude minutes value (5x) invalid", "Latitude seconds (-1) must be less than 60",
          "Longitude degrees value (18O) invalid", "Longitude minutes (-1) must be less than 60", "Longitude seconds value (x) invalid"}},
        {"DMS seconds nan fail the range", R::Dms, {"33", "0", "nan", "151", "0", "0"}, false, kAny, kAny, {"Latitude seconds (nan) must be less than 60"}},
        {"DMS saturated degrees are out of range", R::Dms, {"-99999999999999999999", "0", "0", "99999999999999999999", "0", "0"}, false, kAny, kAny,
         {"Latitude degrees (-99999999999999999999) must be in range -90 to +90", "Longitude degrees (99999999999999999999) must be in range -180 to +180"}},
        // DM: degrees and decimal minutes.
        {"DM messages", R::Dm, {"x", "60", "181", "12,5"}, false, kAny, kAny, {"Latitude degrees value (x) invalid",
         "Latitude minutes (60) must be less than 60", "Longitude degrees (181) must be in range -180 to +180",
         "Longitude minutes value (12,5) invalid"}},
        // Decimal degrees.
        {"DD inclusive limits, sign kept", R::Dd, {"-90", "180"}, true, -90.0, 180.0, {}},
        {"DD empty latitude", R::Dd, {"", "151"}, false, 0.0, 151.0, {}},
        {"DD just beyond", R::Dd, {"91", "-180.0001"}, false, 91.0, -180.0001,
         {"Latitude (91) must be in range -90 to +90", "Longitude (-180.0001) must be in range -180 to +180"}},
        {"DD invalid texts", R::Dd, {"33.5S", "151 "}, false, kAny, kAny, {"Latitude value (33.5S) invalid", "Longitude value (151 ) invalid"}},
        {"DD non-finite values fail the range", R::Dd, {"nan", "-inf"}, false, kAny, kAny,
         {"Latitude (nan) must be in range -90 to +90", "Longitude (-inf) must be in range -180 to +180"}},
        // Packed DMS: split at the point, the field quoted in messages.
        {"DMSHP short fraction is padded", R::PackedDms, {"33.5", "151."}, true, 33 + 50 * kMin, 151.0, {}},
        {"DMSHP no point is whole degrees", R::PackedDms, {"33", "-180"}, true, 33.0, -180.0, {}},
        {"DMSHP empty field", R::PackedDms, {"", "151.0"}, false, 0.0, 151.0, {}},
        {"DMSHP point first", R::PackedDms, {".5", "151"}, false, kAny, 151.0, {"Latitude degrees value (.5 [.5]) invalid"}},
        {"DMSHP longitude ranges", R::PackedDms, {"33", "181.7575"}, false, 33.0, kAny,
         {"Longitude degrees (181 [181.7575]) must be in range -180 to +180", "Longitude minutes (75 [181.7575]) must be less than 60",
          "Longitude seconds (75.000000 [181.7575]) must be less than 60"}},
        {"DMSHP longitude minutes and seconds invalid", R::PackedDms, {"33", "151.1 2 "}, false, 33.0, kAny,
         {"Longitude minutes value (1  [151.1 2 ]) invalid", "Longitude seconds value (2 .000000 [151.1 2 ]) invalid"}},
        // Packed DM: decimal minutes after two digits.
        {"DMHP empty field", R::PackedDm, {"33.5", ""}, false, 33 + 50 * kMin, 0.0, {}},
        {"DMHP latitude minutes", R::PackedDm, {"-33.6", "151"}, false, kAny, 151.0, {"Latitude minutes (60.00000 [-33.6]) must be less than 60"}},
        {"DMHP longitude messages", R::PackedDm, {"33", "-181.5x"}, false, 33.0, kAny,
         {"Longitude degrees (-181 [-181.5x]) must be in range -180 to +180", "Longitude minutes value (5x.000000 [-181.5x]) invalid"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        pt.inputIsCartesian = true;
        pt.messages = {"earlier"};  // kept: a reader only adds its own
        std::vector<std::string> kept;
        EXPECT_EQ(c.ok, readAngles(c.reader, pt, c.texts, kept));
        EXPECT_FALSE(pt.inputIsCartesian);
        Messages expected{"earlier"};
        expected.insert(expected.end(), c.messages.begin(), c.messages.end());
        EXPECT_EQ(expected, pt.messages);
        expectAngle(c.latitude, pt.inputGeographic.latitude);
        expectAngle(c.longitude, pt.inputGeographic.longitude);
        EXPECT_EQ(std::vector<std::string>(c.texts.begin(), c.texts.end()), kept);
    }
}

// Whatever way a DMS axis is read, its value is exactly the sexagesimal sum
// of what strtol and strtod read from its texts: plain texts and the edges
// of their shape (sign of minus zero, the degree limits, 59.99... seconds,
// the 15th and 16th digit, a point at either end) as well as texts just
// beyond it.
TEST(AngleReaders, DmsValuesAreTheCLibraryReadings)
{
    struct Case { std::array<const char*, 3> texts; bool latitude; };
    const Case cases[] = {
        {{"-19", "08", "39.34277"}, true},   {{"127", "22", "40.91225"}, false},
        {{"-0", "0", "0"}, true},            {{"-180", "59", "59.99999"}, false},
        {{"90", "0", "0.0"}, true},          {{"007", "9", "5."}, true},
        {{"33", "1", ".5"}, true},           {{"33", "1", "12.3456789012345"}, true},
        {{"33", "1", "59.99999999999999"}, true},  {{"33", "1", "123456789012345"}, false},
        {{"0008", "01", "1"}, false},        {{"+33", "+1", "+1.5"}, true},
        {{"33", "001", "01.50"}, true},      {{"33", "1", "1e1"}, true},
        // Eight characters: the point first, last, twice, or missing.
        {{"33", "59", "59.99999"}, true},    {{"33", "1", ".1234567"}, true},
        {{"33", "1", "1234567."}, false},    {{"33", "1", "1.2.3456"}, true},
        {{"33", "1", "12345678"}, false},    {{"33", "1", "0/.12345"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.texts[0]) + " " + c.texts[1] + " " + c.texts[2]);
        const long degrees = std::strtol(c.texts[0], nullptr, 10);
        const double angle = std::fabs(static_cast<double>(degrees)) +
                             static_cast<double>(std::strtol(c.texts[1], nullptr, 10)) * kMin +
                             std::strtod(c.texts[2], nullptr) * kSec;
        const double expected = degrees < 0 || c.texts[0][0] == '-' ? -angle : angle;
        PointTransformer pt;
        const std::array<const char*, 3> other{"1", "2", "3"};
        const auto& lat = c.latitude ? c.texts : other;
        const auto& lon = c.latitude ? other : c.texts;
        ReadDms(pt, lat[0], lat[1], lat[2], lon[0], lon[1], lon[2]);
        const double read = c.latitude ? pt.inputGeographic.latitude : pt.inputGeographic.longitude;
        EXPECT_TRUE(read == expected && std::signbit(read) == std::signbit(expected)) << read;
    }
}

TEST(ReadCartesianAndHeight, CartesianWithoutRangeHeightWithinLimits)
{
    PointTransformer pt;
    EXPECT_TRUE(ReadCartesian(pt, "-3950071.853", " 2522415.368", "-4.311638071e6"));
    EXPECT_TRUE(pt.inputIsCartesian && pt.inputCartesian.x == -3950071.853 && pt.inputCartesian.y == 2522415.368 &&
                pt.inputCartesian.z == -4311638.071 && pt.inputYText == " 2522415.368" && pt.messages.empty());
    EXPECT_FALSE(ReadCartesian(pt, "1", "", "3"));
    EXPECT_TRUE(pt.messages.empty());
    EXPECT_FALSE(ReadCartesian(pt, "1m", "2 ", "--3"));
    EXPECT_EQ((Messages{"X value (1m) invalid", "Y value (2 ) invalid", "Z value (--3) invalid"}), pt.messages);
    EXPECT_EQ("--3", pt.inputZText);
    // The height's limits are inclusive; nan fails.
    pt.messages.clear();
    EXPECT_TRUE(ReadHeight(pt, "-100") && ReadHeight(pt, "5000") && !ReadHeight(pt, "nan"));
    EXPECT_FALSE(ReadHeight(pt, "5000.01"));
    EXPECT_TRUE(pt.inputGeographic.height == 5000.01 && pt.inputHeightText == "5000.01");
    EXPECT_EQ(Messages(2, "Height must be in range -100 to +5000"), pt.messages);
}

// ---------------------------------------------------------- hemispheres

TEST(Hemispheres, SidesOrLettersThenConvention)
{
    // Every case reads latitude 33.5 and longitude -151 (or a Cartesian
    // point, which no hemisphere rule may touch). Sides: 1 is north / west.
    struct Case { const char* name; bool australian, cartesian; int sides; std::string_view latLetter, lonLetter; FileHemisphereStyle style; double latitude, longitude; };
    constexpr auto kAust = FileHemisphereStyle::Australian;
    constexpr auto kSign = FileHemisphereStyle::Sign;
    const Case cases[] = {
        {"sides: Australian convention overrides north and west", true, false, 1, "", "", kSign, -33.5, 151.0},
        {"sides: north and west", false, false, 1, "", "", kSign, 33.5, -151.0},
        {"N under the Australian style ends south", false, false, -1, "N", "W", kAust, -33.5, 151.0},
        {"N under the sign style stays north; East", false, false, -1, "N", "East", kSign, 33.5, 151.0},
        {"South under the sign style", false, false, -1, "South", "", kSign, -33.5, -151.0},
        {"W under the sign style", false, false, -1, "S", "W", kSign, -33.5, -151.0},
        {"letters are case-sensitive", false, false, -1, "s", "e", kSign, 33.5, -151.0},
        {"a Cartesian input is left alone", false, true, 0, "S", "E", kAust, 33.5, -151.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt(c.australian);
        ASSERT_TRUE(ReadDecimalDegrees(pt, "33.5", "-151") && (!c.cartesian || ReadCartesian(pt, "1", "2", "3")));
        if (c.sides >= 0)
            ApplyInputHemisphere(pt, c.sides, c.sides);
        if (c.sides <= 0)
            ApplyHemisphereLetters(pt, c.latLetter, c.lonLetter, c.style);
        EXPECT_TRUE(c.latitude == pt.inputGeographic.latitude && c.longitude == pt.inputGeographic.longitude);
    }
}

}  // namespace
}  // namespace tessara
