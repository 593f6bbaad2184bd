#include "values/number_text.h"

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

using namespace std::literals;

namespace tessara {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The scanners take exactly what strtod and strtol (base 10) take from the
// same text: each text below goes through both and is compared with the C
// library, which runs in the C locale in this test program.
TEST(NumberText, ScannersTakeWhatTheCLibraryTakes)
{
    // 2^53 + 1 rounds to even; 20 digits; 23 decimals; integers saturate.
    const std::string_view texts[] = {
        " \t\n-3e2x", "+.5", "1e+", "12,5", "0x1p4", "0x10", "-Infinity", "nan", "1e999", "12\0" "5"sv, ".", "", "+",
        "\xD9\xA1", "-12.", "2.e1", "12.5", " -7 ", "9007199254740993", "0.12345678901234567891",
        "0.00000000000000000000001", "99999999999999999999", "-99999999999999999999", "-999999999999999999x",
        "9223372036854775807", "-9223372036854775808", "0000000000000000000012",
        // Around the short path for whole plain texts: its digit limit, signs, points.
        "-0", "-.5", "-", "-19", "123456789012345.", "1234567890123456", "-0.00000000000001", "1.5.2"};
    for (const std::string_view text : texts) {
        const std::string terminated(text);
        SCOPED_TRACE(terminated);
        char* end = nullptr;
        const double real = std::strtod(terminated.c_str(), &end);
        const numtext::Scan<double> scanReal = numtext::scanReal(text);
        EXPECT_TRUE(scanReal.value == real || (std::isnan(real) && std::isnan(scanReal.value)));
        EXPECT_EQ(std::signbit(real), std::signbit(scanReal.value));
        EXPECT_EQ(scanReal.length, static_cast<std::size_t>(end - terminated.c_str()));

        const long integer = std::strtol(terminated.c_str(), &end, 10);
        const numtext::Scan<long> scanInteger = numtext::scanInteger(text);
        EXPECT_EQ(scanInteger.value, integer);
        EXPECT_EQ(scanInteger.length, static_cast<std::size_t>(end - terminated.c_str()));
    }
}

TEST(NumberText, WholeTextRules)
{
    // The text, and whether readWholeReal and readWholeInteger accept it.
    struct Case { std::string_view text; bool real, integer; };
    const Case cases[] = {{"", true, true}, {" 1", true, true}, {"1 ", false, false},
                          {"1\0"sv, false, false}, {"1e5", true, false}, {"1.", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
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
    EXPECT_TRUE(numtext::scanInteger(text).value == LONG_MAX && numtext::scanInteger(text).length == 150u);
    long integer = 0;
    EXPECT_FALSE(numtext::readWholeInteger(text, integer));

    const std::string exact = "0." + std::string(1 << 20, '0') + "1e1048577";
    double value = 0;
    EXPECT_TRUE(numtext::readWholeReal(exact, value) && value == 1.0);
    EXPECT_FALSE(numtext::readWholeReal(std::string(1 << 20, ' '), value));
}

TEST(NumberText, PrecisionsOutsideTheirRangeAndLongSubstitutions)
{
    EXPECT_EQ(numtext::fixed(123.456, -3), "123");  // a negative precision is 0
    EXPECT_EQ(42u, numtext::fixed(0.1, 100).size());
    EXPECT_EQ(1u + 309 + 1 + 40, numtext::fixed(-DBL_MAX, 40).size());
    // Only "%s" is substituted; arguments are never formats.
    const std::string huge(1 << 20, 'x');
    EXPECT_EQ(huge.size() + 2, numtext::format("(%s)", {huge}).size());
    EXPECT_EQ("%d 100% %s", numtext::format("%d %s %s", {"100%", "%s"}));
}

using testing::LocaleGuard;

TEST(NumberText, DecimalCommaLocaleChangesNothing)
{
    LocaleGuard guard;
    ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8"))
        << "the locale de_DE.UTF-8 is not installed; the install script generates it";
    ASSERT_STREQ(",", std::localeconv()->decimal_point) << "the locale did not take effect";

    double value = 0;
    EXPECT_TRUE(numtext::readWholeReal("12.5", value) && value == 12.5);
    EXPECT_FALSE(numtext::readWholeReal("12,5", value));
    EXPECT_EQ(12.5, numtext::leadingReal("12.5,3"));
    EXPECT_EQ("12.50", numtext::fixed(12.5, 2));
    EXPECT_EQ("-012.5", numtext::fixedZeroPadded(-12.5, 6, 1));
    // The readers, the epoch and the log all read and write through these.
}

// The fast paths of reading and writing agree with the C library to the
// last digit (this test program runs in the C locale): the formats ("%.*f",
// "%0*.*f", "%*.*f", "%ld", "%02ld") at the edges of the fast paths, then
// writing and reading back many values of every magnitude.
TEST(NumberText, AgreesWithTheCLibraryAtTheEdgesAndOnRandomValues)
{
    // Last: rounding that carries through every digit written in pairs, odd
    // and even digit counts, and scaled values on either side of 10^19
    // (written in two parts, the lower with zeros).
    const double values[] = {0.0, -0.0, 0.5, 1.5, 2.5, -0.005, 0.0049999, 9007199254740991.0, 9007199254740992.0,
                             4503599627370497.5, 1e-300, -1e-320, 123456789.123456789, 1e22, -12.5,
                             std::numeric_limits<double>::quiet_NaN(), -kInf, 9.9999999999995, 99.995, -0.999995,
                             999999.9999995, 59.999995, 10000000.0, 10000000.5, 9999999.9999999999,
                             99999999.999999999, 1000000000000.000001, 1234567890123.456};
    char expected[512];
    for (double v : values) {
        for (int p = 0; p <= 14; ++p) {
            std::snprintf(expected, sizeof expected, "%.*f", p, v);
            EXPECT_EQ(numtext::fixed(v, p), expected) << "value " << v << " precision " << p;
        }
        for (int width : {3, 8}) {
            std::snprintf(expected, sizeof expected, "%0*.*f", width, 1, v);
            EXPECT_EQ(numtext::fixedZeroPadded(v, width, 1), expected) << v << " width " << width;
            std::snprintf(expected, sizeof expected, "%*.*f", width, 3, v);
            EXPECT_EQ(numtext::fixedBlankPadded(v, width, 3), expected) << v << " width " << width;
        }
    }
    for (const long v : {0L, 5L, -5L, 10L, 99L, 100L, 123L, -100L, LONG_MAX, LONG_MIN}) {
        std::snprintf(expected, sizeof expected, "%ld", v);
        EXPECT_EQ(numtext::integer(v), expected);
        std::snprintf(expected, sizeof expected, "%02ld", v);
        EXPECT_EQ(numtext::integerTwoDigits(v), expected);
    }
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> exponent(-30, 60);
    std::uniform_int_distribution<int> precision(0, 14);
    for (int i = 0; i < 200000; ++i) {
        double v = std::ldexp(unit(random), exponent(random));
        if (i % 3 == 0)
            v = -v;
        if (i % 7 == 0)  // exact ties at few decimals: 0.125, 2.5 ...
            v = std::round(v * 8.0) / 8.0;
        const int p = precision(random);
        std::snprintf(expected, sizeof expected, "%.*f", p, v);
        ASSERT_EQ(numtext::fixed(v, p), expected) << "value " << v << " precision " << p;
        // Zeros in front up to any width, the sign moving before them.
        const int width = i % 21;
        std::snprintf(expected, sizeof expected, "%0*.*f", width, p, v);
        ASSERT_EQ(numtext::fixedZeroPadded(v, width, p), expected) << v << " width " << width << " precision " << p;
        // Read back: plain decimals of every length, short and long, then 17 digits.
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1)
                std::snprintf(expected, sizeof expected, "%.17g", v);
            const numtext::Scan<double> scan = numtext::scanReal(expected);
            ASSERT_TRUE(scan.value == std::strtod(expected, nullptr) && scan.length == std::strlen(expected));
        }
    }
}

}  // namespace
}  // namespace tessara
