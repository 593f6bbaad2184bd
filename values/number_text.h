#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Locale-independent number reading and writing. A Qt application sets the
// C library's locale from the environment, and under a decimal-comma locale
// strtod and printf change meaning; every number the system reads or writes
// goes through here instead, with the acceptance rules of the C locale.
namespace tessara::numtext {

// What strtod/strtol read from the front of a text: the value and how many
// characters it took (0: no number; the value is then 0).
template <typename T>
struct Scan {
    T value = 0;
    std::size_t length = 0;
};

// strtod in the C locale: leading white space, one sign, digits with one
// decimal point, an exponent (also "inf", "nan" and hexadecimal, as strtod).
// An embedded NUL ends the number like any other character.
Scan<double> scanReal(std::string_view text);
// strtol base 10 in the C locale; out-of-range values saturate as strtol does.
Scan<long> scanInteger(std::string_view text);

// True when the whole text is one number as above: an empty text reads as 0
// and is accepted; anything left after the number (a blank, a NUL) is not.
bool readWholeReal(std::string_view text, double& value);
bool readWholeInteger(std::string_view text, long& value);

// atof: the leading number of the text, 0 when there is none.
double leadingReal(std::string_view text);

// printf "%.<precision>f" (R), "%0<width>.<precision>f" (Z) and
// "%<width>.<precision>f" (B) in the C locale. Precision is clamped to
// [0, 40]; non-finite values print as printf does ("nan", "-inf", ...),
// blank-padded even in the zero-padded form.
std::string fixed(double value, int precision);
std::string fixedZeroPadded(double value, int width, int precision);
std::string fixedBlankPadded(double value, int width, int precision);

// printf "%d" and "%02d".
std::string integer(long value);
std::string integerTwoDigits(long value);

// The same texts appended to `out`, for callers that write one record after
// another into storage they reuse.
void appendFixed(std::string& out, double value, int precision);
void appendFixedZeroPadded(std::string& out, double value, int width, int precision);
void appendFixedBlankPadded(std::string& out, double value, int width, int precision);
// "%d" of any value: the path of appendInteger and appendIntegerTwoDigits
// below for the values they do not write inline.
void appendAnyInteger(std::string& out, long value);

// Whole degrees and minutes, the usual integers, have one to three digits:
// written character by character inline (cheaper than a copy, and inline in
// the formatting of every angle).
inline void appendInteger(std::string& out, long value)
{
    if (value < 0 || value >= 1000) {
        appendAnyInteger(out, value);
        return;
    }
    const auto digits = static_cast<unsigned>(value);
    if (digits >= 100)
        out.push_back(static_cast<char>('0' + digits / 100));
    if (digits >= 10)
        out.push_back(static_cast<char>('0' + digits / 10 % 10));
    out.push_back(static_cast<char>('0' + digits % 10));
}

inline void appendIntegerTwoDigits(std::string& out, long value)
{
    // The width counts the sign, as printf's does: -5 stays "-5".
    if (value < 0 || value >= 100) {
        appendAnyInteger(out, value);
        return;
    }
    const auto digits = static_cast<unsigned>(value);
    out.push_back(static_cast<char>('0' + digits / 10));
    out.push_back(static_cast<char>('0' + digits % 10));
}

// A message from a printf-style format holding only "%s" conversions: each
// "%s" takes the next argument in turn (cut at an embedded NUL, as %s does);
// "%%" gives "%". Argument texts are never interpreted as formats.
std::string format(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace tessara::numtext
