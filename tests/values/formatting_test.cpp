#include "values/formatting.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace tessara {
namespace {

// Degrees from whole degrees, minutes and seconds.
constexpr double dms(double d, double m, double s)
{
    return d + m / 60.0 + s / 3600.0;
}

void expectTexts(const AngleTexts& actual, const AngleTexts& expected)
{
    const auto all = [](const AngleTexts& t) {
        return std::vector{t.degrees, t.minutes, t.seconds, t.dmDegrees, t.decimalMinutes, t.decimalDegrees, t.packedDms, t.packedDm};
    };
    EXPECT_EQ(all(actual), all(expected));
}

TEST(FormatAngle, WritesEveryNotation)
{
    // expected: degrees, minutes, seconds, dmDegrees, DM, DD, DMSHP, DMHP.
    struct AngleCase { const char* name; double angle; int pd, pm, ps; AngleTexts expected; };
    const AngleCase cases[] = {
        {"worked example, sign dropped", -33.86881968, 8, 7, 5, {"33", "52", "07.75085", "33", "52.1291808", "33.86881968", "33.520775085", "33.521291808"}},
        {"DD width never pads", 5.5, 8, 7, 5, {"5", "30", "00.00000", "5", "30.0000000", "5.50000000", "5.300000000", "5.300000000"}},
        {"151.2 is not 151 11 59.99999", 151.2, 8, 7, 5, {"151", "12", "00.00000", "151", "12.0000000", "151.20000000", "151.120000000", "151.120000000"}},
        {"four-digit degrees", 1234.5, 8, 7, 5, {"1234", "30", "00.00000", "1234", "30.0000000", "1234.50000000", "1234.300000000", "1234.300000000"}},
        // Carries of a last field that rounds to 60.
        {"seconds carry into minutes", dms(33, 52, 59.999999), 8, 7, 5, {"33", "53", "00.00000", "33", "53.0000000", "33.88333333", "33.530000000", "33.530000000"}},
        {"seconds and minutes carry into degrees", dms(33, 59, 59.9999999), 8, 7, 5, {"34", "00", "00.00000", "34", "00.0000000", "34.00000000", "34.000000000", "34.000000000"}},
        {"DM carries, DMS does not", dms(33, 59.99999996, 0), 8, 7, 6, {"33", "59", "59.999998", "34", "00.0000000", "34.00000000", "33.5959999998", "34.000000000"}},
        {"DMS carries at precision 0, DM does not", dms(33, 59, 59.6), 8, 7, 0, {"34", "00", "00", "33", "59.9933333", "33.99988889", "34.0000", "33.599933333"}},
        {"DM carries at precision 0", dms(12, 59.6, 0), 8, 0, 5, {"12", "59", "36.00000", "13", "00", "12.99333333", "12.593600000", "13.00"}},
        // Precisions outside their ranges are clamped to 0 and 40.
        {"negative precisions act as 0, every precision 0", 33.86881968, -3, INT_MIN, -1, {"33", "52", "08", "33", "52", "34", "33.5208", "33.52"}},
    };
    for (const AngleCase& c : cases) {
        SCOPED_TRACE(c.name);
        expectTexts(formatAngle(c.angle, c.pd, c.pm, c.ps), c.expected);
    }
}

TEST(FormatAngle, HugePrecisionsAreClampedTo40Decimals)
{
    const AngleTexts texts = formatAngle(33.5, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(texts.packedDms.size(), 2u + 1u + 2u + 2u + 40u);
    expectTexts(texts, formatAngle(33.5, 40, 40, 40));
}

TEST(FormatAngle, ValuesWithoutWholeDegreesShowTheNumber)
{
    // NaN (from the centre of the Earth) of either sign, infinity, 2^31 degrees.
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [angle, text] : {std::pair<double, std::string>{kNan, "nan"}, {-kNan, "nan"},
                                      {-HUGE_VAL, "inf"}, {2147483648.0, "2147483648.00"}}) {
        SCOPED_TRACE(text);
        expectTexts(formatAngle(angle, 2, 7, 5), {text, text, text, text, text, text, text, text});
    }
}

// A file run asks for the texts of its one notation only (each notation's
// texts are in the golden files): the others stay empty.
TEST(FormatOutputPoint, OneNotationFillsItsOwnTextsOnly)
{
    PointTransformer pt;
    pt.outputGeographic = {-33.86881968, 151.2, 12.345};
    FormatOutputPoint(pt, kLogPrecision, AngleNotation::Dm, {false, false});
    const AngleTexts& t = pt.outputAngles.latitude;
    EXPECT_EQ(t.dmDegrees + " " + t.decimalMinutes + "|" + t.degrees + t.seconds + t.decimalDegrees, "33 52.1291808|");
}

TEST(ApplyFileHemisphere, PrefixesAndLetters)
{
    // letters: latitude's comma letter and letter, then longitude's, between bars.
    struct Case { const char* name; double latitude, longitude; FileHemisphereStyle style; bool comma; const char *latPrefix, *lonPrefix, *letters; };
    using S = FileHemisphereStyle;
    const Case cases[] = {
        {"sign, west longitude", 33.5, -151.2, S::Sign, false, " ", "-", "|||"},
        {"sign, comma-separated: a minus only", -5.5, 151.2, S::Sign, true, "-", "", "|||"},
        {"letter, zero is north; west", 0.0, -0.5, S::Letter, true, "", "", ",N|N|,W|W"},
        {"letter, no latitude (centre of the Earth) is north", std::nan(""), 151.2, S::Letter, false, " ", " ", ",N|N|,E|E"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        pt.outputGeographic = {c.latitude, c.longitude, 0.0};
        // Letters of an earlier point must not survive into this one.
        pt.fileLatitude = {",X", "X"};
        pt.fileLongitude = {",X", "X"};
        FormatOutputPoint(pt, kLogPrecision);
        const LatLongTexts plain = pt.outputAngles;
        ApplyFileHemisphere(pt, c.style, c.comma);

        // The prefix goes before each text that starts with the degrees, and only there.
        const auto prefixed = [](AngleTexts t, const std::string& prefix) {
            for (std::string* text : {&t.degrees, &t.dmDegrees, &t.decimalDegrees, &t.packedDms, &t.packedDm})
                *text = prefix + *text;
            return t;
        };
        expectTexts(pt.outputAngles.latitude, prefixed(plain.latitude, c.latPrefix));
        expectTexts(pt.outputAngles.longitude, prefixed(plain.longitude, c.lonPrefix));
        EXPECT_EQ(pt.fileLatitude.commaLetter + "|" + pt.fileLatitude.letter + "|" + pt.fileLongitude.commaLetter + "|" + pt.fileLongitude.letter,
                  c.letters);
    }
}

}  // namespace
}  // namespace tessara
