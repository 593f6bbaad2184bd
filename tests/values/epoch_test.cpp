#include "values/epoch.h"

#include "values/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

using namespace std::literals;

namespace tessara {
namespace {

// The system's day fractions: 1/366 in a year divisible by 4, else 1/365.
constexpr double kLeapDay = 0.00273224043715847;
constexpr double kCommonDay = 0.0027397260273972603;

constexpr auto kAuto = EpochMode::Automatic;
constexpr auto kDmy = EpochMode::DayMonthYear;
constexpr auto kDec = EpochMode::DecimalYear;

// epoch 0 and notation -1: none stored; message empty: none; written: the
// text written back when an epoch was stored.
struct Case { const char* name; std::string_view text; EpochMode mode; double epoch; int notation; std::string message, written; };

TEST(ReadEpoch, DatesDecimalYearsAndMessages)
{
    const Case cases[] = {
        // Dates, in every mode that takes them.
        {"last day of a leap year", "31/12/2004", kAuto, 2004 + 365 * kLeapDay, 0, "", "31/12/2004"},
        {"blanks and controls after the digits", " 12 /5\x01/2005 ", kDmy, 2005 + 131 * kCommonDay, 0, "", "12/05/2005"},
        {"29 February of a common year", "29/02/2005", kDmy, 0, -1, "Epoch date (29/02/2005) is invalid", ""},
        {"unreadable date in automatic mode", "29/02/2005", kAuto, 0, -1, "Epoch date cannot be read from (29/02/2005)", ""},
        {"printable after the year", "12/05/2005x", kDmy, 0, -1, "Epoch date (12/05/2005x) is invalid", ""},
        {"year of five digits", "1/1/10000", kDmy, 0, -1, "Epoch date (1/1/10000) is invalid", ""},
        {"month 13", "1/13/2005", kDmy, 0, -1, "Epoch date (1/13/2005) is invalid", ""},
        {"saturated day", "99999999999999999999/1/2005", kDmy, 0, -1, "Epoch date (99999999999999999999/1/2005) is invalid", ""},
        {"no slash", "2005", kDmy, 0, -1, "Epoch date (2005) is invalid for dd/mm/yyyy", ""},
        {"date after 2020", "01/01/2021", kAuto, 0, -1, "Epoch date (01/01/2021) must be between 1989 and 2020", ""},
        // Decimal years.
        {"decimal year", "2005.5", kDec, 2005.5, 1, "", "2005.500"},
        {"no slash in automatic mode", "2005", kAuto, 2005.0, 1, "", "2005.000"},
        {"trimmed, controls left", "\t 2005.25\x01 \n", kDec, 2005.25, 1, "", "2005.250"},
        {"date in decimal mode", "12/05/2005", kDec, 0, -1, "Epoch date (12/05/2005) is invalid for decimal year", ""},
        {"embedded NUL", "2005\0"sv, kDec, 0, -1, "Epoch date (2005) is invalid for decimal year", ""},
        {"2021, trimmed text quoted", "  2021 ", kAuto, 0, -1, "Epoch date (2021) must be between 1989 and 2020", ""},
        {"nan has no year", "nan", kDec, 0, -1, "Epoch date (nan) must be between 1989 and 2020", ""},
        {"zero in decimal mode", "0", kDec, 0, -1, "", ""},
        {"zero in automatic mode", "-0.0", kAuto, 0, -1, "Epoch date cannot be read from (-0.0)", ""},
        // Nothing typed.
        {"empty or white space", " \t\r\n", kDmy, 0, -1, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PointTransformer pt;
        // A previous good epoch must not survive a failed reading.
        pt.epoch = 2001.0;
        pt.epochNotation = 1;
        pt.epochText = "previous";
        EXPECT_EQ(c.epoch != 0, ReadEpoch(pt, c.text, c.mode));
        EXPECT_DOUBLE_EQ(c.epoch, pt.epoch);
        EXPECT_EQ(c.notation, pt.epochNotation);
        EXPECT_EQ(c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message}, pt.messages);
        WriteEpoch(pt);
        EXPECT_EQ(c.epoch != 0 ? c.written : "previous", pt.epochText);
    }
}

TEST(ReadEpoch, EveryDateOfTheAcceptedYearsComesBackUnchanged)
{
    constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    PointTransformer pt;
    for (long year = 1989; year <= 2020; ++year)
        for (long month = 1; month <= 12; ++month)
            for (long day = 1; day <= kMonthLength[month - 1] + (month == 2 && year % 4 == 0); ++day) {
                const std::string text = numtext::integerTwoDigits(day) + "/" + numtext::integerTwoDigits(month) + "/" +
                                         numtext::integer(year);
                ASSERT_TRUE(ReadEpoch(pt, text, EpochMode::Automatic)) << text;
                WriteEpoch(pt);
                ASSERT_EQ(text, pt.epochText);
            }
    EXPECT_TRUE(pt.messages.empty());
}

TEST(WriteEpoch, DayMonthYearFromAnyEpoch)
{
    // The last day of a common year; within a tenth of a day of the year's end;
    // a year below four digits is blank-padded; no year for nan or beyond any.
    for (const auto& [epoch, written] : {std::pair<double, std::string>{2005.9972602739726, "31/12/2005"},
                                         {2004.9999, "31/12/2004"}, {0.0, "01/01/   0"},
                                         {std::numeric_limits<double>::quiet_NaN(), "nan"},
                                         {-1e300, numtext::fixed(-1e300, 3)}}) {
        PointTransformer pt;
        pt.epochNotation = 0;
        pt.epoch = epoch;
        WriteEpoch(pt);
        EXPECT_EQ(written, pt.epochText) << epoch;
    }
}

}  // namespace
}  // namespace tessara
