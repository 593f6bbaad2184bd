#include "values/number_text.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <locale.h>  // NOLINT(modernize-deprecated-headers): POSIX newlocale, strtod_l

namespace tessara::numtext {
namespace {

// The C locale, created once and never freed (it lives as long as the process).
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

// strtod_l/strtol_l need a NUL-terminated text; a string_view may not be
// one, and a std::string may hold NULs. Copy up to the first NUL (where the
// C functions stop anyway) into a terminated buffer.
template <typename Fn>
auto withTerminated(std::string_view text, Fn fn)
{
    const std::size_t end = std::min(text.find('\0'), text.size());
    char small[128];
    if (end < sizeof small) {
        std::copy_n(text.data(), end, small);
        small[end] = '\0';
        return fn(static_cast<const char*>(small));
    }
    const std::string copy(text.substr(0, end));
    return fn(copy.c_str());
}

constexpr int kMaxPrecision = 40;

bool isCSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// cppcheck reads neither member as used: both are read through std::optional's ->.
struct PlainStart {
    // cppcheck-suppress unusedStructMember
    std::size_t digits;  // position after white space and sign
    // cppcheck-suppress unusedStructMember
    bool negative;
};

// Where a plain decimal number would start: after C-locale white space and
// one sign, at a digit or a point that is not the start of "0x". Nothing
// for texts that only strtod/strtol can judge (inf, nan, hexadecimal).
std::optional<PlainStart> plainNumberStart(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size())
        return std::nullopt;
    const char c = text[i];
    const bool digit = c >= '0' && c <= '9';
    if (!digit && c != '.')
        return std::nullopt;
    if (c == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X'))
        return std::nullopt;
    return PlainStart{i, negative};
}

__extension__ typedef unsigned __int128 Uint128;

constexpr std::uint64_t kPowersOfTen[] = {1ull,
                                          10ull,
                                          100ull,
                                          1000ull,
                                          10000ull,
                                          100000ull,
                                          1000000ull,
                                          10000000ull,
                                          100000000ull,
                                          1000000000ull,
                                          10000000000ull,
                                          100000000000ull,
                                          1000000000000ull};
constexpr int kFastMaxPrecision = 12;

// "%.<precision>f" for finite values below 2^53 in magnitude with at most
// 12 decimals, exactly as printf rounds: the value is m * 2^e with an
// integer m, so v * 10^p = m * 10^p / 2^-e is an exact 128-bit quotient
// whose remainder decides the rounding (ties to even, like printf in the
// default rounding mode). Returns false when the value is outside that range.
bool fastFixed(double value, int precision, std::string& out)
{
    if (!(std::fabs(value) < 9007199254740992.0) || precision > kFastMaxPrecision)
        return false;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FFu);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    // |value| = m * 2^-shift; subnormals have no hidden bit.
    const std::uint64_t m = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int shift = biased == 0 ? 1074 : 1075 - biased;  // >= 0 below 2^53

    const Uint128 scaled = static_cast<Uint128>(m) * kPowersOfTen[precision];
    Uint128 whole = 0;
    if (shift >= 128) {
        whole = 0;  // below 2^-35 units of the last decimal: rounds to 0
    } else if (shift == 0) {
        whole = scaled;  // an integer already
    } else {
        whole = scaled >> shift;
        const Uint128 remainder = scaled - (whole << shift);
        const Uint128 half = static_cast<Uint128>(1) << (shift - 1);
        if (remainder > half || (remainder == half && (whole & 1u) != 0))
            ++whole;
    }

    // The digits of the scaled value; below 10^28, so at most two 64-bit parts.
    char digits[48];
    char* const end = digits + sizeof digits;
    char* first = end;
    constexpr std::uint64_t kTenToThe19 = 10000000000000000000ull;
    auto low = static_cast<std::uint64_t>(whole);
    std::uint64_t high = 0;
    if (whole >= kTenToThe19) {
        high = static_cast<std::uint64_t>(whole / kTenToThe19);
        low = static_cast<std::uint64_t>(whole % kTenToThe19);
    }
    do {
        *--first = static_cast<char>('0' + low % 10u);
        low /= 10u;
    } while (low != 0 || (high != 0 && end - first < 19));
    for (; high != 0; high /= 10u)
        *--first = static_cast<char>('0' + high % 10u);
    while (end - first <= precision)  // at least one digit before the point
        *--first = '0';

    // Sign, whole digits, point and decimals, assembled in one buffer.
    char text[52];
    char* p = text;
    if (std::signbit(value))
        *p++ = '-';
    char* const point = end - precision;
    p = std::copy(first, point, p);
    if (precision > 0) {
        *p++ = '.';
        p = std::copy(point, end, p);
    }
    out.assign(text, static_cast<std::size_t>(p - text));
    return true;
}

}  // namespace

Scan<double> scanReal(std::string_view text)
{
    // Fast path for plain decimal numbers: from_chars rounds exactly as
    // strtod does. Everything else (inf, nan, hexadecimal, out of range)
    // goes to strtod itself.
    if (const auto start = plainNumberStart(text)) {
        double v = 0.0;
        const char* first = text.data() + start->digits;
        const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), v);
        if (ec == std::errc{})
            return {start->negative ? -v : v, static_cast<std::size_t>(ptr - text.data())};
        if (ec == std::errc::invalid_argument)
            return {};  // a sign or point with no digits: no conversion
    }
    return withTerminated(text, [](const char* s) {
        char* end = nullptr;
        const int savedErrno = errno;
        const double v = strtod_l(s, &end, cLocale());
        errno = savedErrno;
        return Scan<double>{v, static_cast<std::size_t>(end - s)};
    });
}

Scan<long> scanInteger(std::string_view text)
{
    if (const auto start = plainNumberStart(text)) {
        // Digits only from here; from_chars does not take a sign of its own.
        unsigned long magnitude = 0;
        const char* first = text.data() + start->digits;
        const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), magnitude);
        const unsigned long limit = start->negative
                                        ? static_cast<unsigned long>(LONG_MAX) + 1u
                                        : static_cast<unsigned long>(LONG_MAX);
        if (ec == std::errc{} && magnitude <= limit) {
            const long v = start->negative ? static_cast<long>(0u - magnitude)
                                           : static_cast<long>(magnitude);
            return {v, static_cast<std::size_t>(ptr - text.data())};
        }
        if (ec == std::errc::invalid_argument)
            return {};
    }
    return withTerminated(text, [](const char* s) {
        char* end = nullptr;
        const int savedErrno = errno;
        const long v = strtol_l(s, &end, 10, cLocale());
        errno = savedErrno;
        return Scan<long>{v, static_cast<std::size_t>(end - s)};
    });
}

bool readWholeReal(std::string_view text, double& value)
{
    const Scan<double> scan = scanReal(text);
    value = scan.value;
    return scan.length == text.size();
}

bool readWholeInteger(std::string_view text, long& value)
{
    const Scan<long> scan = scanInteger(text);
    value = scan.value;
    return scan.length == text.size();
}

double leadingReal(std::string_view text)
{
    return scanReal(text).value;
}

std::string fixed(double value, int precision)
{
    precision = std::clamp(precision, 0, kMaxPrecision);
    std::string fast;
    if (fastFixed(value, precision, fast))
        return fast;
    // The largest double has 309 integer digits.
    char buffer[320 + kMaxPrecision];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return std::string(buffer, result.ptr);
}

std::string fixedZeroPadded(double value, int width, int precision)
{
    std::string text = fixed(value, precision);
    if (width <= 0 || text.size() >= static_cast<std::size_t>(width))
        return text;
    const std::size_t pad = static_cast<std::size_t>(width) - text.size();
    if (!std::isfinite(value))
        return std::string(pad, ' ') + text;
    // Zeros go between the sign and the digits, as printf's 0 flag does.
    const std::size_t at = (text[0] == '-') ? 1 : 0;
    text.insert(at, pad, '0');
    return text;
}

std::string fixedBlankPadded(double value, int width, int precision)
{
    std::string text = fixed(value, precision);
    if (width > 0 && text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string integer(long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string integerTwoDigits(long value)
{
    std::string text = integer(value);
    // The width counts the sign, as printf's does: -5 stays "-5".
    if (text.size() < 2)
        text.insert(0, 2 - text.size(), '0');
    return text;
}

std::string format(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char conversion = pattern[i + 1];
            if (conversion == 's') {
                if (next != args.end()) {
                    const std::string_view arg = *next++;
                    out.append(arg.substr(0, std::min(arg.find('\0'), arg.size())));
                }
                ++i;
                continue;
            }
            if (conversion == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace tessara::numtext
