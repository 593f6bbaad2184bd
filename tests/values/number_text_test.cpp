#include "values/number_text.h"

#include "values/epoch.h"
#include "values/readers.h"

#include "support/locale_guard.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace std::literals;

namespace tessara {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberText, ScanRealTakesWhatStrtodTakes)
{
    struct Case {
        const char* name;
        std::string_view text;
        double value;  // NaN: expect NaN
        std::size_t length;
    };
    const Case cases[] = {
        {"white space, sign, exponent, then junk", " \t\n-3e2x", -300.0, 7},
        {"leading point", "+.5", 0.5, 3},
        {"exponent without digits is left", "1e+", 1.0, 1},
        {"decimal comma ends the number", "12,5", 12.0, 2},
        {"hexadecimal", "0x1p4", 16.0, 5},
        {"infinity", "-Infinity", -kInf, 9},
        {"nan", "nan", std::numeric_limits<double>::quiet_NaN(), 3},
        {"overflow", "1e999", kInf, 5},
        {"embedded NUL ends the number", "12\0" "5"sv, 12.0, 2},
        {"lone point", ".", 0.0, 0},
        {"empty", "", 0.0, 0},
        {"non-ASCII digits", "\xD9\xA1", 0.0, 0},
        {"trailing point is taken", "-12.", -12.0, 4},
        {"point then exponent", "2.e1", 20.0, 4},
        {"2^53 + 1 digits round to even", "9007199254740993", 9007199254740992.0, 16},
        {"20 digits", "0.12345678901234567891", 0.12345678901234568, 22},
        {"23 decimals", "0.00000000000000000000001", 1e-23, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const numtext::Scan<double> scan = numtext::scanReal(c.text);
        if (std::isnan(c.value)) {
            EXPECT_TRUE(std::isnan(scan.value));
        } else {
            EXPECT_EQ(c.value, scan.value);
        }
        EXPECT_EQ(c.length, scan.length);
    }
}

TEST(NumberText, ScanIntegerTakesWhatStrtolTakes)
{
    struct Case { const char* name; std::string_view text; long value; std::size_t length; };
    const Case cases[] = {
        {"white space and sign", " -7 ", -7, 3},
        {"point ends the number", "12.5", 12, 2},
        {"base 10 only", "0x10", 0, 1},
        {"saturates high", "99999999999999999999", LONG_MAX, 20},
        {"saturates low", "-99999999999999999999", LONG_MIN, 21},
        {"no digits", "+", 0, 0},
        {"18 digits", "-999999999999999999x", -999999999999999999, 19},
        {"largest", "9223372036854775807", LONG_MAX, 19},
        {"smallest", "-9223372036854775808", LONG_MIN, 20},
        {"zeros in front", "0000000000000000000012", 12, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const numtext::Scan<long> scan = numtext::scanInteger(c.text);
        EXPECT_EQ(c.value, scan.value);
        EXPECT_EQ(c.length, scan.length);
    }
}

TEST(NumberText, WholeTextRules)
{
    struct Case {
        const char* name;
        std::string_view text;
        bool real;     // readWholeReal accepts it
        bool integer;  // readWholeInteger accepts it
    };
    const Case cases[] = {
        {"empty reads as 0", "", true, true},
        {"leading blank", " 1", true, true},
        {"trailing blank", "1 ", false, false},
        {"trailing NUL", "1\0"sv, false, false},
        {"exponent", "1e5", true, false},
        {"point", "1.", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double real = -1;
        long integer = -1;
        EXPECT_EQ(c.real, numtext::readWholeReal(c.text, real));
        EXPECT_EQ(c.integer, numtext::readWholeInteger(c.text, integer));
    }
    EXPECT_EQ(12.0, numtext::leadingReal("12abc"));
    EXPECT_EQ(0.0, numtext::leadingReal("abc"));
}

TEST(NumberText, LongTextsBeyondTheSmallBuffer)
{
    // A NUL after 150 digits: everything before it is scanned, the NUL stops it.
    std::string text(150, '1');
    text += '\0';
    text += "999";
    EXPECT_EQ(LONG_MAX, numtext::scanInteger(text).value);
    EXPECT_EQ(150u, numtext::scanInteger(text).length);
    long integer = 0;
    EXPECT_FALSE(numtext::readWholeInteger(text, integer));

    const std::string exact = "0." + std::string(1 << 20, '0') + "1e1048577";
    double value = 0;
    EXPECT_TRUE(numtext::readWholeReal(exact, value));
    EXPECT_EQ(1.0, value);
    EXPECT_FALSE(numtext::readWholeReal(std::string(1 << 20, ' '), value));
}

TEST(NumberText, FixedFormatsAndPercentSSubstitution)
{
    struct Case { const char* name; std::string actual; std::string expected; };
    const Case cases[] = {
        {"large value in full", numtext::fixed(1e22, 1), "10000000000000000000000.0"},
        {"negative precision is 0", numtext::fixed(123.456, -3), "123"},
        {"precision clamped to 40", numtext::fixed(0.1, 100), numtext::fixed(0.1, 40)},
        {"nan", numtext::fixed(std::numeric_limits<double>::quiet_NaN(), 3), "nan"},
        {"negative infinity", numtext::fixed(-kInf, 3), "-inf"},
        {"zeros after the sign", numtext::fixedZeroPadded(-1.5, 8, 3), "-001.500"},
        {"no padding when wide enough", numtext::fixedZeroPadded(-12.5, 3, 1), "-12.5"},
        {"non-finite padded with blanks", numtext::fixedZeroPadded(-kInf, 6, 2), "  -inf"},
        {"blank padding", numtext::fixedBlankPadded(-1.5, 8, 3), "  -1.500"},
        {"integer", numtext::integer(LONG_MIN), "-9223372036854775808"},
        {"two digits", numtext::integerTwoDigits(5), "05"},
        {"the sign counts in the width", numtext::integerTwoDigits(-5), "-5"},
        {"wider than two", numtext::integerTwoDigits(123), "123"},
        {"two digits of 0", numtext::integerTwoDigits(0), "00"},
        {"two digits already", numtext::integerTwoDigits(10), "10"},
        {"largest integer", numtext::integer(LONG_MAX), "9223372036854775807"},
        {"odd digit count", numtext::integer(-100), "-100"},
        // Only "%s" is substituted; arguments are never formats.
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, c.actual);
    }
    EXPECT_EQ(42u, numtext::fixed(0.1, 100).size());
    EXPECT_EQ(1u + 309 + 1 + 40, numtext::fixed(-DBL_MAX, 40).size());
    const std::string huge(1 << 20, 'x');
    EXPECT_EQ(huge.size() + 2, numtext::format("(%s)", {huge}).size());
}

using testing::LocaleGuard;

TEST(NumberText, DecimalCommaLocaleChangesNothing)
{
    LocaleGuard guard;
    ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8"))
        << "the locale de_DE.UTF-8 is not installed; the install script generates it";
    ASSERT_STREQ(",", std::localeconv()->decimal_point) << "the locale did not take effect";

    double value = 0;
    EXPECT_TRUE(numtext::readWholeReal("12.5", value));
    EXPECT_EQ(12.5, value);
    EXPECT_FALSE(numtext::readWholeReal("12,5", value));
    EXPECT_EQ("12.50", numtext::fixed(12.5, 2));
    EXPECT_EQ("-012.5", numtext::fixedZeroPadded(-12.5, 6, 1));

    PointTransformer pt;
    EXPECT_FALSE(ReadDecimalDegrees(pt, "12.5", "12,5"));
    EXPECT_EQ(12.5, pt.inputGeographic.latitude);
    EXPECT_EQ(std::vector<std::string>{"Longitude value (12,5) invalid"}, pt.messages);
    EXPECT_TRUE(ReadHeight(pt, "12.5"));
    EXPECT_EQ(12.5, pt.inputGeographic.height);

    pt.messages.clear();
    EXPECT_TRUE(ReadEpoch(pt, "2012.5", EpochMode::DecimalYear));
    EXPECT_EQ(2012.5, pt.epoch);
    WriteEpoch(pt);
    EXPECT_EQ("2012.500", pt.epochText);
    EXPECT_FALSE(ReadEpoch(pt, "2012,5", EpochMode::DecimalYear));
    EXPECT_EQ(std::vector<std::string>{"Epoch date (2012,5) is invalid for decimal year"},
              pt.messages);
}

// The fast paths of reading and writing must agree with the C library to
// the last digit: compare against strtod and snprintf (this test program
// runs in the C locale) over many values of every magnitude.
TEST(NumberText, AgreesWithTheCLibraryOnRandomValues)
{
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> exponent(-30, 60);
    std::uniform_int_distribution<int> precision(0, 14);
    char expected[512];
    for (int i = 0; i < 200000; ++i) {
        double v = std::ldexp(unit(random), exponent(random));
        if (i % 3 == 0)
            v = -v;
        if (i % 7 == 0)  // exact ties at few decimals: 0.125, 2.5 ...
            v = std::round(v * 8.0) / 8.0;
        const int p = precision(random);
        std::snprintf(expected, sizeof expected, "%.*f", p, v);
        ASSERT_EQ(numtext::fixed(v, p), expected) << "value " << v << " precision " << p;
        // Read back: plain decimals of every length, short and long.
        const numtext::Scan<double> plain = numtext::scanReal(expected);
        ASSERT_EQ(plain.value, std::strtod(expected, nullptr)) << expected;
        ASSERT_EQ(plain.length, std::strlen(expected));

        std::snprintf(expected, sizeof expected, "%.17g", v);
        const numtext::Scan<double> scan = numtext::scanReal(expected);
        ASSERT_EQ(scan.value, std::strtod(expected, nullptr)) << expected;
        ASSERT_EQ(scan.length, std::strlen(expected));
    }
}

TEST(NumberText, FixedAtTheEdgesOfTheFastRange)
{
    const double values[] = {0.0,       -0.0,          0.5,     1.5,   2.5,   -0.005,
                             0.0049999, 9007199254740991.0, 9007199254740992.0, 4503599627370497.5,
                             1e-300,    -1e-320,       123456789.123456789,
                             // Rounding that carries through every digit
                             // written in pairs, odd and even digit counts,
                             // and scaled values on either side of 10^19
                             // (written in two parts, the lower with zeros).
                             9.9999999999995, 99.995, -0.999995, 999999.9999995,
                             59.999995, 10000000.0, 10000000.5, 9999999.9999999999,
                             99999999.999999999, 1000000000000.000001, 1234567890123.456};
    char expected[512];
    for (double v : values) {
        for (int p = 0; p <= 14; ++p) {
            std::snprintf(expected, sizeof expected, "%.*f", p, v);
            EXPECT_EQ(numtext::fixed(v, p), expected) << "value " << v << " precision " << p;
        }
    }
}

}  // namespace
}  // namespace tessara
