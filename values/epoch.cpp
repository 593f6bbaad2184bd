#include "values/epoch.h"

#include "values/number_text.h"
#include "values/readers.h"
#include "values/text_trim.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace tessara {
namespace {

// The accepted epochs: ITRF coordinates between these years (inclusive).
constexpr double kFirstYear = 1989.0;
constexpr double kLastYear = 2020.0;

// Fraction of a year per day, as the system has always stored dates:
// 1/366 in a year divisible by 4, 1/365 otherwise.
constexpr double kYearPerDayLeap = 0.00273224043715847;
constexpr double kYearPerDayCommon = 0.0027397260273972603;

constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr const char* kInvalidForDayMonthYear = "Epoch date (%s) is invalid for dd/mm/yyyy";
constexpr const char* kInvalidDate = "Epoch date (%s) is invalid";
constexpr const char* kInvalidForDecimalYear = "Epoch date (%s) is invalid for decimal year";
constexpr const char* kUnreadable = "Epoch date cannot be read from (%s)";
constexpr const char* kOutOfRange = "Epoch date (%s) must be between 1989 and 2020";

// What may follow a number: blanks and control characters, as typed or
// pasted. Anything printable (any byte above the blank, so also every byte
// of a non-ASCII character) spoils the number; so does a NUL, which would
// otherwise hide the rest of the text from every C-string consumer.
bool onlyBlanksAfter(std::string_view rest)
{
    return std::none_of(rest.begin(), rest.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > 0x20 || byte == 0;
    });
}

// A day, month or year text; -1 when something printable follows the digits.
long dateComponent(std::string_view text)
{
    const numtext::Scan<long> scan = numtext::scanInteger(text);
    return onlyBlanksAfter(text.substr(scan.length)) ? scan.value : -1;
}

bool isGregorianLeapYear(long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

struct Date {
    long day = 0;
    long month = 0;
    long year = 0;
};

bool isValidDate(const Date& d)
{
    if (d.year < 100 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    const long february = isGregorianLeapYear(d.year) ? 29 : 28;
    const long length = d.month == 2 ? february : kMonthLength[d.month - 1];
    return d.day <= length;
}

// Day, month and year from "d/m/y"; without a second "/" month and year
// stay 0 (and the date is rejected).
Date splitDate(std::string_view text, std::size_t firstSlash)
{
    Date date;
    date.day = dateComponent(text.substr(0, firstSlash));
    const std::string_view rest = text.substr(firstSlash + 1);
    const std::size_t secondSlash = rest.find('/');
    if (secondSlash != std::string_view::npos) {
        date.month = dateComponent(rest.substr(0, secondSlash));
        date.year = dateComponent(rest.substr(secondSlash + 1));
    }
    return date;
}

// An epoch read from the text, before the check of its year.
struct Candidate {
    double value = 0.0;
    double year = 0.0;  // a double, so that a huge or non-finite year is still comparable
    int notation = -1;
};

Candidate fromDate(const Date& d)
{
    long dayOfYear = d.day;
    for (long m = 1; m < d.month; ++m)
        dayOfYear += (m == 2 && isGregorianLeapYear(d.year)) ? 29 : kMonthLength[m - 1];
    const double perDay = d.year % 4 == 0 ? kYearPerDayLeap : kYearPerDayCommon;
    const double year = static_cast<double>(d.year);
    return {year + static_cast<double>(dayOfYear - 1) * perDay, year, 0};
}

// "%4d": blanks before a year of fewer than four digits.
std::string yearText(long year)
{
    std::string text = numtext::integer(year);
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), ' ');
    return text;
}

std::string dayMonthYearText(double epoch)
{
    // Beyond any year a date can show, truncation to an integer is undefined
    // (and NaN has no year at all): such an epoch is shown as a decimal year.
    if (!(std::fabs(epoch) < 1e9))
        return numtext::fixed(epoch, 3);
    const long year = static_cast<long>(std::trunc(epoch));
    const double fraction = epoch - static_cast<double>(year);
    const bool leap = year % 4 == 0;
    const long daysInYear = leap ? 366 : 365;
    // The 0.1 day absorbs the rounding of the reader's day fraction, so a
    // date read and written again comes back as the same date.
    long dayOfYear = static_cast<long>(fraction * static_cast<double>(daysInYear) + 0.1) + 1;
    // A fraction within a tenth of a day of the year's end (never produced
    // by the reader) would otherwise walk past December.
    dayOfYear = std::min(dayOfYear, daysInYear);
    long month = 0;
    while (month < 12) {
        const long length = (month == 1 && leap) ? 29 : kMonthLength[month];
        if (dayOfYear <= length)
            break;
        dayOfYear -= length;
        ++month;
    }
    return numtext::integerTwoDigits(dayOfYear) + "/" + numtext::integerTwoDigits(month + 1) + "/" +
           yearText(year);
}

}  // namespace

bool ReadEpoch(PointTransformer& pt, std::string_view text, EpochMode mode)
{
    pt.epoch = 0.0;
    pt.epochNotation = -1;
    const std::string_view epochText = trimmed(text);
    // Nothing typed: no epoch, and nothing to complain about.
    if (epochText.empty())
        return false;

    std::optional<Candidate> candidate;
    bool readDecimal = mode == EpochMode::DecimalYear;
    if (mode != EpochMode::DecimalYear) {
        const std::size_t slash = epochText.find('/');
        if (slash == std::string_view::npos || slash == 0) {
            if (mode == EpochMode::DayMonthYear) {
                AddMessage(pt, kInvalidForDayMonthYear, epochText);
                return false;
            }
            readDecimal = true;
        } else {
            const Date date = splitDate(epochText, slash);
            if (isValidDate(date))
                candidate = fromDate(date);
            else if (mode == EpochMode::DayMonthYear)
                AddMessage(pt, kInvalidDate, epochText);
            else
                readDecimal = true;
        }
    }

    if (readDecimal) {
        const numtext::Scan<double> scan = numtext::scanReal(epochText);
        if (!onlyBlanksAfter(epochText.substr(scan.length))) {
            AddMessage(pt,
                       mode == EpochMode::DecimalYear ? kInvalidForDecimalYear : kUnreadable,
                       epochText);
            return false;
        }
        candidate = Candidate{scan.value, std::trunc(scan.value), 1};
    }

    // An epoch of 0 means "none": a typed 0 gives no epoch.
    if (candidate && candidate->value != 0.0) {
        // Negated so that a "nan" or "inf" year fails.
        if (!(candidate->year >= kFirstYear && candidate->year <= kLastYear)) {
            AddMessage(pt, kOutOfRange, epochText);
            return false;
        }
        pt.epoch = candidate->value;
        pt.epochNotation = candidate->notation;
        return true;
    }
    if (mode != EpochMode::DayMonthYear && mode != EpochMode::DecimalYear)
        AddMessage(pt, kUnreadable, epochText);
    return false;
}

void WriteEpoch(PointTransformer& pt)
{
    switch (pt.epochNotation) {
    case 0:
        pt.epochText = dayMonthYearText(pt.epoch);
        break;
    case 1:
        pt.epochText = numtext::fixed(pt.epoch, 3);
        break;
    default:
        // No epoch was read: the text stands.
        break;
    }
}

}  // namespace tessara
