#include "values/formatting.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>
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
        return std::vector<std::string>{t.degrees, t.minutes, t.seconds, t.dmDegrees,
                                        t.decimalMinutes, t.decimalDegrees, t.packedDms, t.packedDm};
    };
    EXPECT_EQ(all(actual), all(expected));
}

TEST(FormatAngle, WritesEveryNotation)
{
    struct AngleCase {
        const char* name;
        double angle;
        int pd, pm, ps;
        AngleTexts expected;  // degrees, minutes, seconds, dmDegrees, DM, DD, DMSHP, DMHP
    };
    const AngleCase cases[] = {
        {"worked example, sign dropped", -33.86881968, 8, 7, 5, {"33", "52", "07.75085", "33", "52.1291808", "33.86881968", "33.520775085", "33.521291808"}},
        {"every precision 0", 33.86881968, 0, 0, 0, {"33", "52", "08", "33", "52", "34", "33.5208", "33.52"}},
        {"DD width never pads", 5.5, 8, 7, 5, {"5", "30", "00.00000", "5", "30.0000000", "5.50000000", "5.300000000", "5.300000000"}},
        {"1e-13 below 33.5 splits as 33.5", 33.5 - 1e-13, 8, 7, 5, {"33", "30", "00.00000", "33", "30.0000000", "33.50000000", "33.300000000", "33.300000000"}},
        {"151.2 is not 151 11 59.99999", 151.2, 8, 7, 5, {"151", "12", "00.00000", "151", "12.0000000", "151.20000000", "151.120000000", "151.120000000"}},
        // Carries of a last field that rounds to 60.
        {"seconds carry into minutes", dms(33, 52, 59.999999), 8, 7, 5, {"33", "53", "00.00000", "33", "53.0000000", "33.88333333", "33.530000000", "33.530000000"}},
        {"seconds and minutes carry into degrees", dms(33, 59, 59.9999999), 8, 7, 5, {"34", "00", "00.00000", "34", "00.0000000", "34.00000000", "34.000000000", "34.000000000"}},
        {"DM carries, DMS does not", dms(33, 59.99999996, 0), 8, 7, 6, {"33", "59", "59.999998", "34", "00.0000000", "34.00000000", "33.5959999998", "34.000000000"}},
        {"DMS carries at precision 0, DM does not", dms(33, 59, 59.6), 8, 7, 0, {"34", "00", "00", "33", "59.9933333", "33.99988889", "34.0000", "33.599933333"}},
        {"DM carries at precision 0", dms(12, 59.6, 0), 8, 0, 5, {"12", "59", "36.00000", "13", "00", "12.99333333", "12.593600000", "13.00"}},
        // Precisions outside their ranges are clamped to 0 and 40.
        {"negative precisions act as 0", 33.86881968, -3, INT_MIN, -1, {"33", "52", "08", "33", "52", "34", "33.5208", "33.52"}},
    };
    for (const AngleCase& c : cases) {
        SCOPED_TRACE(c.name);
        expectTexts(formatAngle(c.angle, c.pd, c.pm, c.ps), c.expected);
    }
}

TEST(FormatAngle, HugePrecisionsAreClampedTo40Decimals)
{
    const AngleTexts texts = formatAngle(33.5, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(texts.decimalDegrees.size(), 2u + 1u + 40u);
    EXPECT_EQ(texts.packedDms.size(), 2u + 1u + 2u + 2u + 40u);
    expectTexts(texts, formatAngle(33.5, 40, 40, 40));
}

TEST(FormatAngle, ValuesWithoutWholeDegreesShowTheNumber)
{
    struct Case { const char* name; double angle; const char* text; };
    const Case cases[] = {
        {"NaN from the centre of the Earth", std::numeric_limits<double>::quiet_NaN(), "nan"},
        {"negative NaN", -std::numeric_limits<double>::quiet_NaN(), "nan"},
        {"infinity", -std::numeric_limits<double>::infinity(), "inf"},
        {"beyond 2^31 degrees", 1e10, "10000000000.00"},
        {"exactly 2^31 degrees", 2147483648.0, "2147483648.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string t = c.text;
        expectTexts(formatAngle(c.angle, 2, 7, 5), {t, t, t, t, t, t, t, t});
    }
}

// A transformer holding the output of the ITRF2000 example point.
PointTransformer examplePoint()
{
    PointTransformer pt;
    pt.outputCartesian = {-4052051.7649, 4212836.2051, -2545106.0264};
    pt.outputGeographic = {-23.670123899, 133.885513271, 603.35};
    return pt;
}

TEST(FormatOutputPoint, FillsCartesianHeightAndBothAxes)
{
    PointTransformer pt = examplePoint();
    pt.epochText = "left alone";
    FormatOutputPoint(pt, 4, 3, 8, 7, 5);

    EXPECT_EQ(pt.epochText, "left alone");  // no epoch was read
    EXPECT_EQ(pt.outputX + " " + pt.outputY + " " + pt.outputZ + " " + pt.outputHeight,
              "-4052051.7649 4212836.2051 -2545106.0264 603.350");
    expectTexts(pt.outputAngles.latitude, formatAngle(-23.670123899, 8, 7, 5));
    expectTexts(pt.outputAngles.longitude, formatAngle(133.885513271, 8, 7, 5));
    EXPECT_EQ(pt.outputAngles.latitude.decimalDegrees, "23.67012390");
    EXPECT_EQ(pt.outputAngles.longitude.packedDms, "133.530784778");

    // The log's fixed precisions, and the epoch written in its notation.
    pt.epochNotation = 1;
    pt.epoch = 2005.5;
    FormatOutputPoint(pt, kLogPrecision);
    EXPECT_EQ(pt.epochText, "2005.500");
    EXPECT_EQ(pt.outputX, "-4052051.765");
    EXPECT_EQ(pt.outputHeight, "603.350");

    // Cartesian and height precisions are clamped like the angle ones.
    FormatOutputPoint(pt, -1, 1000, 0, 0, 0);
    EXPECT_EQ(pt.outputX, "-4052052");
    EXPECT_EQ(pt.outputHeight.size(), 3u + 1u + 40u);
}

TEST(FormatOutputPoint, CentreOfTheEarthGivesNanTexts)
{
    PointTransformer pt;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    pt.outputGeographic = {nan, nan, nan};
    FormatOutputPoint(pt, OutputPrecision{});
    EXPECT_EQ(pt.outputX, "0.0000");
    EXPECT_EQ(pt.outputHeight, "nan");
    EXPECT_EQ(pt.outputAngles.latitude.packedDms, "nan");
    ApplyFileHemisphere(pt, FileHemisphereStyle::Letter, false);
    EXPECT_EQ(pt.outputAngles.latitude.decimalDegrees, " nan");
    EXPECT_EQ(pt.fileLatitude.letter, "N");
}

TEST(FormatInputPoint, ReexpressesOnlyTheInputAngles)
{
    PointTransformer pt;
    pt.inputGeographic = {-33.86881968, 151.2, 12.0};
    pt.outputGeographic = {10.0, 20.0, 30.0};
    FormatInputPoint(pt, 8, 7, 5);
    expectTexts(pt.inputAnglesFormatted.latitude, formatAngle(-33.86881968, 8, 7, 5));
    expectTexts(pt.inputAnglesFormatted.longitude, formatAngle(151.2, 8, 7, 5));
    EXPECT_TRUE(pt.outputAngles.latitude.degrees.empty());
    EXPECT_TRUE(pt.outputHeight.empty());
}

TEST(ApplyFileHemisphere, PrefixesAndLetters)
{
    struct Case {
        const char* name; double latitude, longitude; FileHemisphereStyle style; bool comma;
        const char *latPrefix, *lonPrefix, *latCommaLetter, *latLetter, *lonCommaLetter, *lonLetter;
    };
    using S = FileHemisphereStyle;
    const Case cases[] = {
        {"sign, text", -33.5, 151.2, S::Sign, false, "-", " ", "", "", "", ""},
        {"sign, west longitude", 33.5, -151.2, S::Sign, false, " ", "-", "", "", "", ""},
        {"Australian, text", -33.5, 151.2, S::Australian, false, " ", " ", "", "", "", ""},
        {"Australian, comma-separated", -33.5, 151.2, S::Australian, true, "", "", "", "", "", ""},
        {"letter, south east", -33.5, 151.2, S::Letter, false, " ", " ", ",S", "S", ",E", "E"},
        {"letter, zero is north; west", 0.0, -0.5, S::Letter, true, "", "", ",N", "N", ",W", "W"},
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
                  std::string(c.latCommaLetter) + "|" + c.latLetter + "|" + c.lonCommaLetter + "|" + c.lonLetter);
    }
}

TEST(PrecisionDialogRows, MaximaAndExamples)
{
    struct Case { PrecisionField field; int maximum; long value; const char* example; };  // nullptr: no row
    using F = PrecisionField;
    const Case cases[] = {
        {F::Degrees, 8, 0, "1 degree = 100 km "}, {F::Degrees, 8, 8, "0.00000001 degree = 1 mm "},
        {F::Degrees, 8, 9, nullptr}, {F::Minutes, 7, 0, "1 minute = 2000 m "},
        {F::Minutes, 7, 7, "0.0000001 minute = 0.2 mm "}, {F::Minutes, 7, 8, nullptr},
        {F::Seconds, 5, 2, "0.01 second = 300 mm "}, {F::Seconds, 5, 6, nullptr},
        {F::Cartesian, 3, 0, "0 = 1 m "}, {F::Cartesian, 3, 5, nullptr},
        {F::Cartesian, 3, 4, "4 = 0.1 mm "},  // the default, above the range
        {F::Height, 3, 3, "3 = 1 mm "}, {F::Height, 3, -1, nullptr},
        {F::Degrees, 8, LONG_MAX, nullptr}, {F::Degrees, 8, LONG_MIN, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.field)) + " " + std::to_string(c.value));
        EXPECT_EQ(precisionFieldMaximum(c.field), c.maximum);
        const std::optional<std::string_view> example = precisionExample(c.field, c.value);
        if (c.example == nullptr) {
            EXPECT_FALSE(example.has_value());
        } else {
            EXPECT_EQ(example.value_or("(none)"), c.example);
        }
    }
}

// Formatting is the C locale's whatever the process locale says.
TEST(FormattingLocale, DecimalCommaLocaleChangesNothing)
{
    PointTransformer pt = examplePoint();
    pt.epochNotation = 1;
    pt.epoch = 2005.5;

    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the locale de_DE.UTF-8 must be installed for this test";
    FormatOutputPoint(pt, 4, 3, 8, 7, 5);
    const AngleTexts angle = formatAngle(-33.86881968, 8, 7, 5);
    std::setlocale(LC_ALL, saved.c_str());

    EXPECT_EQ(pt.outputX + " " + pt.outputHeight + " " + pt.epochText, "-4052051.7649 603.350 2005.500");
    expectTexts(angle, formatAngle(-33.86881968, 8, 7, 5));
}

}  // namespace
}  // namespace tessara
