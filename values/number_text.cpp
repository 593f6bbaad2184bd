#include "values/number_text.h"
#include "values/plain_decimal.h"
#include "values/text_trim.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
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
// Inline: every number of a file passes here, and the readers' fast paths
// are cheaper than a call that returns through memory.
inline std::optional<PlainStart> plainNumberStart(std::string_view text)
{
    // Most numbers of a file start with a digit other than 0 (which could
    // start "0x"), or with a minus sign and such a digit.
    if (!text.empty() && text[0] >= '1' && text[0] <= '9')
        return PlainStart{0, false};
    if (text.size() > 1 && text[0] == '-' && text[1] >= '1' && text[1] <= '9')
        return PlainStart{1, true};
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
constexpr std::uint64_t kPowersOfFive[] = {1ull,         5ull,        25ull,      125ull,
                                           625ull,       3125ull,     15625ull,   78125ull,
                                           390625ull,    1953125ull,  9765625ull, 48828125ull,
                                           244140625ull};
constexpr int kFastMaxPrecision = 12;

// The two digits of every number below 100, for writing digits in pairs.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the decimal digits of v so that they end just before `end`, at
// least `minimum` of them (zeros in front); returns where they start.
// Writes the two digits of a number below 100 just before `first`.
inline char* pairBefore(char* first, std::uint64_t below100)
{
    const auto pair = static_cast<std::size_t>(below100) * 2;
    first -= 2;
    first[0] = kDigitPairs[pair];
    first[1] = kDigitPairs[pair + 1];
    return first;
}

char* digitsBefore(char* end, std::uint64_t v, std::ptrdiff_t minimum = 1)
{
    char* first = end;
    while (v >= 100) {
        first = pairBefore(first, v % 100u);
        v /= 100u;
    }
    if (v >= 10) {
        first = pairBefore(first, v);
    } else {
        *--first = static_cast<char>('0' + v);
    }
    while (end - first < minimum)
        *--first = '0';
    return first;
}

// The longest text fixed() writes: a sign, the 309 integer digits of the
// largest double, the point and the decimals.
constexpr std::size_t kFixedBufferSize = 1 + 309 + 1 + kMaxPrecision + 8;

// The digits of a scaled value below 2^64 with the point before its last P
// digits, ending just before `end`; returns where they start.
template <int P>
char* pointedDigits(char* end, std::uint64_t scaled)
{
    char* first = end;
    if constexpr (P > 0) {
        // Exactly P decimals, taken off the scaled value two at a time (a
        // count the compiler knows, so the loop unrolls), then the point.
        for (int i = 0; i < P / 2; ++i) {
            first = pairBefore(first, scaled % 100u);
            scaled /= 100u;
        }
        if constexpr (P % 2 != 0) {
            *--first = static_cast<char>('0' + scaled % 10u);
            scaled /= 10u;
        }
        *--first = '.';
    }
    return digitsBefore(first, scaled);
}

template <int... P>
char* pointedDigits(char* end, std::uint64_t scaled, int precision,
                    std::integer_sequence<int, P...>)
{
    char* first = nullptr;
    static_cast<void>(((precision == P ? (first = pointedDigits<P>(end, scaled), true) : false) ||
                       ...));
    return first;
}

// "%.<precision>f" for finite values below 2^53 in magnitude with at most
// 12 decimals, exactly as printf rounds: the value is m * 2^e with an
// integer m, so v * 10^p = m * 10^p / 2^-e is an exact 128-bit quotient
// whose remainder decides the rounding (ties to even, like printf in the
// default rounding mode). Writes the text so that it ends just before
// `end` (at least 48 characters after the buffer's start) and returns its
// start, or nullptr when the value is outside that range.
char* fastFixed(double value, int precision, char* end)
{
    if (!(std::fabs(value) < 9007199254740992.0) || precision > kFastMaxPrecision)
        return nullptr;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FFu);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    // |value| = m * 2^-shift; subnormals have no hidden bit.
    const std::uint64_t m = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int shift = biased == 0 ? 1074 : 1075 - biased;  // >= 0 below 2^53

    // The same quotient in 64 bits when the product fits there: the cheaper
    // path. Since 10^p = 5^p * 2^p, v * 10^p = m * 5^p / 2^(shift - p), and
    // the smaller product fits for every value up to four decimals and for
    // most with five (a coordinate, a height, the seconds of an angle).
    const int shift5 = shift - precision;
    std::uint64_t scaled64 = 0;
    if (shift5 > 0 && shift5 < 64 &&
        !__builtin_mul_overflow(m, kPowersOfFive[precision], &scaled64)) {
        std::uint64_t whole64 = scaled64 >> shift5;
        const std::uint64_t remainder = scaled64 & ((std::uint64_t{1} << shift5) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift5 - 1);
        if (remainder > half || (remainder == half && (whole64 & 1u) != 0))
            ++whole64;
        char* first = pointedDigits(end, whole64, precision,
                                    std::make_integer_sequence<int, kFastMaxPrecision + 1>{});
        if (std::signbit(value))
            *--first = '-';
        return first;
    }

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

    char* first = nullptr;
    if (whole <= UINT64_MAX) {
        first = pointedDigits(end, static_cast<std::uint64_t>(whole), precision,
                              std::make_integer_sequence<int, kFastMaxPrecision + 1>{});
    } else {
        // Below 10^28: two parts of at most 19 digits, the lower with its
        // zeros in front; then the point goes in before the last decimals.
        constexpr std::uint64_t kTenToThe19 = 10000000000000000000ull;
        char digits[48];
        char* const digitsEnd = digits + sizeof digits;
        char* d = digitsBefore(digitsEnd, static_cast<std::uint64_t>(whole % kTenToThe19), 19);
        d = digitsBefore(d, static_cast<std::uint64_t>(whole / kTenToThe19));
        char* const point = digitsEnd - precision;
        first = std::copy_backward(point, digitsEnd, end);
        if (precision > 0)
            *--first = '.';
        first = std::copy_backward(d, point, first);
    }
    if (std::signbit(value))
        *--first = '-';
    return first;
}

// "%.<precision>f" (precision already clamped) in `buffer`.
std::string_view writeFixed(double value, int precision, char (&buffer)[kFixedBufferSize])
{
    char* const end = buffer + kFixedBufferSize;
    if (const char* const first = fastFixed(value, precision, end))
        return {first, static_cast<std::size_t>(end - first)};
    const char* const last =
        std::to_chars(buffer, end, value, std::chars_format::fixed, precision).ptr;
    return {buffer, static_cast<std::size_t>(last - buffer)};
}

// The decimal digits of x < 10^4 as four byte values 0-9, the most
// significant first in memory, computed for all four at once: x splits
// into two pairs (16-bit lanes) and each pair into two digits (bytes),
// where the quotients by 100 and 10 are multiply-and-shift reciprocals
// exact over the ranges of the lanes (below 10^4 and below 100).
constexpr std::uint32_t fourDigits(std::uint32_t x)
{
    const std::uint32_t hundreds = (x * 5243u) >> 19;
    const std::uint32_t pairs = hundreds | ((x - 100u * hundreds) << 16);
    const std::uint32_t tens = ((pairs * 103u) >> 10) & 0x000F000Fu;
    return tens | ((pairs - 10u * tens) << 8);
}

// The same for x < 10^8: two halves of four digits in 32-bit lanes first.
constexpr std::uint64_t eightDigits(std::uint32_t x)
{
    const std::uint64_t halves = (x / 10000u) | (std::uint64_t{x % 10000u} << 32);
    const std::uint64_t hundreds = ((halves * 10486u) >> 20) & 0x0000007F0000007Full;
    const std::uint64_t pairs = hundreds | ((halves - 100u * hundreds) << 16);
    const std::uint64_t tens = ((pairs * 103u) >> 10) & 0x000F000F000F000Full;
    return tens | ((pairs - 10u * tens) << 8);
}

static_assert(std::endian::native == std::endian::little,
              "the digit lanes put the most significant digit in the lowest byte");

// Stores digits from fourDigits or eightDigits as their characters.
template <typename Digits>
void storeDigits(char* at, Digits digits)
{
    const Digits text = digits + static_cast<Digits>(0x3030303030303030ull);
    std::memcpy(at, &text, sizeof text);
}

// How many of the digits from fourDigits or eightDigits are leading
// zeros, keeping the last digit even when it is 0.
template <typename Digits>
int leadingZeroDigits(Digits digits)
{
    constexpr int kLastByte = 8 * (static_cast<int>(sizeof(Digits)) - 1);
    return std::countr_zero(digits | (Digits{1} << kLastByte)) / 8;
}

// The short texts of "%.<P>f" are laid out in a small buffer: a sign, 16
// integer digits (zeros in front of the number's, which the zero-padded
// form takes), the point and up to 8 decimals (written 8 at a time).
constexpr std::size_t kShortBufferSize = 32;
constexpr std::ptrdiff_t kShortPoint = 17;

// "%.<P>f" for normal values below 2^53 in magnitude, rounded exactly as
// printf does (see fastFixed), with the precision known to the compiler so
// that the scaling and the split at the point are multiplications. Returns
// the text in `buffer`; no text for the values this path leaves to
// fastFixed (zero, the very small ones, the large ones).
struct ShortText {
    char* first = nullptr;
    char* last = nullptr;
};

template <int P>
[[gnu::always_inline]] inline ShortText shortFixed(double value, char (&buffer)[kShortBufferSize])
{
    static_assert(P >= 0 && P <= 8);
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>((bits >> 52) & 0x7FFu);
    // |value| * 10^P = m * 5^P / 2^shift5, rounded to the integer `whole`:
    // the 128-bit product shifted right by less than 64, so that the
    // remainder lies in its lower half. Smaller values (below 2^-19 at 8
    // decimals) are left to fastFixed, as are quotients of 2^63 and more.
    const int shift5 = 1075 - P - biased;
    if (biased == 0 || shift5 <= 0 || shift5 >= 64)
        return {};
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const Uint128 scaled = static_cast<Uint128>(m) * kPowersOfFive[P];
    const auto low = static_cast<std::uint64_t>(scaled);
    const auto high = static_cast<std::uint64_t>(scaled >> 64);
    if ((high >> (shift5 - 1)) != 0)
        return {};
    std::uint64_t whole = (low >> shift5) | (high << (64 - shift5));
    const std::uint64_t remainder = low & ((std::uint64_t{1} << shift5) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift5 - 1);
    if (remainder > half || (remainder == half && (whole & 1u) != 0))
        ++whole;

    char* const point = buffer + kShortPoint;
    constexpr std::uint64_t kTenToThe8 = 100000000u;
    if constexpr (P >= 5 && P <= 7) {
        // Many decimals and few integer digits (the seconds of an angle):
        // all the digits at once, then the decimals moved one place on to
        // make room for the point.
        if (whole < kTenToThe8) {
            constexpr int kIntegerDigits = 8 - P;
            const std::uint64_t digits = eightDigits(static_cast<std::uint32_t>(whole));
            storeDigits(buffer + 1, std::uint64_t{0});
            storeDigits(buffer + 9, std::uint64_t{0});
            storeDigits(point - kIntegerDigits, digits);
            *point = '.';
            storeDigits(point + 1, digits >> (8 * kIntegerDigits));
            // At least one integer digit, even when it is 0.
            const int zeros =
                std::countr_zero(digits | (std::uint64_t{1} << (8 * kIntegerDigits - 8))) / 8;
            char* first = point - kIntegerDigits + zeros;
            if (std::signbit(value))
                *--first = '-';
            return {first, point + 1 + P};
        }
    }

    // The decimals, exactly P of them, after the point.
    constexpr std::uint64_t kScale = kPowersOfTen[P];
    const std::uint64_t integer = whole / kScale;
    char* last = point;
    if constexpr (P > 0) {
        const auto decimals = static_cast<std::uint32_t>(whole - integer * kScale);
        *point = '.';
        if constexpr (P <= 4)
            storeDigits(point + 1,
                        fourDigits(decimals * static_cast<std::uint32_t>(kPowersOfTen[4 - P])));
        else
            storeDigits(point + 1,
                        eightDigits(decimals * static_cast<std::uint32_t>(kPowersOfTen[8 - P])));
        last = point + 1 + P;
    }

    // The integer digits (at most 16 below 2^53) end at the point, with
    // zeros in front; the cheapest conversion that holds them.
    storeDigits(buffer + 1, std::uint64_t{0});
    storeDigits(buffer + 9, std::uint64_t{0});
    char* first = nullptr;
    if (integer < 100) {
        std::memcpy(point - 2, kDigitPairs + 2 * integer, 2);
        first = point - (integer < 10 ? 1 : 2);
    } else if (integer < 10000) {
        const std::uint32_t digits = fourDigits(static_cast<std::uint32_t>(integer));
        storeDigits(point - 4, digits);
        first = point - 4 + leadingZeroDigits(digits);
    } else if (integer < kTenToThe8) {
        const std::uint64_t digits = eightDigits(static_cast<std::uint32_t>(integer));
        storeDigits(point - 8, digits);
        first = point - 8 + leadingZeroDigits(digits);
    } else {
        const std::uint64_t upper = eightDigits(static_cast<std::uint32_t>(integer / kTenToThe8));
        storeDigits(point - 16, upper);
        storeDigits(point - 8, eightDigits(static_cast<std::uint32_t>(integer % kTenToThe8)));
        first = point - 16 + leadingZeroDigits(upper);
    }
    if (std::signbit(value))
        *--first = '-';
    return {first, last};
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits with at most one point and no exponent, as point files hold their
// numbers: when all the digits make an integer of at most 2^53 and at most
// 22 of them follow the point, the integer and the power of ten are exact
// doubles, and their one correctly rounded quotient is the value strtod
// reads. Returns the end of the number, or nullptr for any other text.
const char* shortDecimal(const char* first, const char* last, double& value)
{
    constexpr int kMostDigits = 19;  // below 2^64 whatever the digits
    std::uint64_t digits = 0;
    int count = 0;
    const char* p = first;
    for (; p < last && isDigit(*p); ++p, ++count) {
        if (count == kMostDigits)
            return nullptr;
        digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    int decimals = 0;
    if (p < last && *p == '.') {
        for (++p; p < last && isDigit(*p); ++p, ++count, ++decimals) {
            if (count == kMostDigits)
                return nullptr;
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    // No digit at all (a lone point), or an exponent: the general reading.
    if (count == 0 || (p < last && (*p == 'e' || *p == 'E')))
        return nullptr;
    if (digits > (std::uint64_t{1} << 53) || decimals > 22)
        return nullptr;
    value = static_cast<double>(digits) / kExactPowersOfTen[decimals];
    return p;
}

}  // namespace

namespace {

// The readings beyond the short decimal fast paths, kept out of line so
// that the fast paths stay small (no buffer for a terminated copy, few
// registers to save) for the numbers files hold.
[[gnu::noinline]] Scan<double> scanRealGeneral(std::string_view text,
                                               std::optional<PlainStart> start)
{
    if (start) {
        // Plain decimals by from_chars, which rounds exactly as strtod does.
        double v = 0.0;
        const char* first = text.data() + start->digits;
        const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), v);
        if (ec == std::errc{})
            return {start->negative ? -v : v, static_cast<std::size_t>(ptr - text.data())};
        if (ec == std::errc::invalid_argument)
            return {};  // a sign or point with no digits: no conversion
    }
    // Everything else (inf, nan, hexadecimal, out of range) goes to strtod.
    return withTerminated(text, [](const char* s) {
        char* end = nullptr;
        const int savedErrno = errno;
        const double v = strtod_l(s, &end, cLocale());
        errno = savedErrno;
        return Scan<double>{v, static_cast<std::size_t>(end - s)};
    });
}

[[gnu::noinline]] Scan<long> scanIntegerGeneral(std::string_view text,
                                                std::optional<PlainStart> start)
{
    if (start) {
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

}  // namespace

Scan<double> scanReal(std::string_view text)
{
    // Short plain decimal numbers directly; the rest by the general reading.
    if (double v = 0.0; readPlainDecimal(text, v))
        return {v, text.size()};
    const auto start = plainNumberStart(text);
    if (start) {
        double v = 0.0;
        const char* first = text.data() + start->digits;
        if (const char* end = shortDecimal(first, text.data() + text.size(), v))
            return {start->negative ? -v : v, static_cast<std::size_t>(end - text.data())};
    }
    return scanRealGeneral(text, start);
}

Scan<long> scanInteger(std::string_view text)
{
    // Up to 18 digits stay below LONG_MAX whatever they are: those are
    // summed directly; longer runs and other texts take the general reading.
    const auto start = plainNumberStart(text);
    if (start) {
        const char* const first = text.data() + start->digits;
        const char* const last = text.data() + text.size();
        const char* const shortEnd = first + std::min<std::ptrdiff_t>(last - first, 18);
        std::uint64_t magnitude = 0;
        const char* p = first;
        for (; p < shortEnd && isDigit(*p); ++p)
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(*p - '0');
        if (p == first)
            return {};  // a sign or point with no digits: no conversion
        if (p == last || !isDigit(*p)) {
            const auto v = static_cast<long>(magnitude);
            return {start->negative ? -v : v, static_cast<std::size_t>(p - text.data())};
        }
    }
    return scanIntegerGeneral(text, start);
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

namespace {

// The appends below for the values shortFixed leaves out, and for more than
// 8 decimals; out of line, so that the short path needs no large buffer.
[[gnu::noinline]] void appendFixedGeneral(std::string& out, double value, int precision)
{
    char buffer[kFixedBufferSize];
    out.append(writeFixed(value, std::clamp(precision, 0, kMaxPrecision), buffer));
}

[[gnu::noinline]] void appendFixedZeroPaddedGeneral(std::string& out, double value, int width,
                                                    int precision)
{
    char buffer[kFixedBufferSize];
    std::string_view text = writeFixed(value, std::clamp(precision, 0, kMaxPrecision), buffer);
    if (width <= 0 || text.size() >= static_cast<std::size_t>(width)) {
        out.append(text);
        return;
    }
    const std::size_t pad = static_cast<std::size_t>(width) - text.size();
    if (!std::isfinite(value)) {
        out.append(pad, ' ').append(text);
        return;
    }
    // Zeros go between the sign and the digits, as printf's 0 flag does.
    if (text.front() == '-') {
        out.push_back('-');
        text.remove_prefix(1);
    }
    out.append(pad, '0').append(text);
}

[[gnu::noinline]] void appendFixedBlankPaddedGeneral(std::string& out, double value, int width,
                                                     int precision)
{
    char buffer[kFixedBufferSize];
    const std::string_view text =
        writeFixed(value, std::clamp(precision, 0, kMaxPrecision), buffer);
    if (width > 0 && text.size() < static_cast<std::size_t>(width))
        out.append(static_cast<std::size_t>(width) - text.size(), ' ');
    out.append(text);
}

}  // namespace

namespace {

enum class Padding { None, Zeros, Blanks };

// The general writing of a padding style, for the values the short texts
// leave to it.
template <Padding Pad>
void appendFixedByGeneral(std::string& out, double value, int width, int precision)
{
    if constexpr (Pad == Padding::Zeros)
        appendFixedZeroPaddedGeneral(out, value, width, precision);
    else if constexpr (Pad == Padding::Blanks)
        appendFixedBlankPaddedGeneral(out, value, width, precision);
    else
        appendFixedGeneral(out, value, precision);
}

// "%.<P>f", "%0<width>.<P>f" or "%<width>.<P>f" appended to `out`.
template <int P, Padding Pad>
void appendFixedTo(std::string& out, double value, int width)
{
    char buffer[kShortBufferSize];
    const ShortText text = shortFixed<P>(value, buffer);
    if (text.first == nullptr) {
        appendFixedByGeneral<Pad>(out, value, width, P);
        return;
    }
    const char* first = text.first;
    std::ptrdiff_t size = text.last - text.first;
    if constexpr (Pad == Padding::Zeros) {
        if (size < width) {
            // The integer digits have zeros in front in the buffer; the
            // sign, if any, moves in front of them, as printf's 0 flag
            // puts it.
            const std::ptrdiff_t start = (text.last - buffer) - width;
            const bool negative = *text.first == '-';
            if (start < (negative ? 0 : 1)) {
                appendFixedZeroPaddedGeneral(out, value, width, P);
                return;
            }
            if (negative) {
                *text.first = '0';
                buffer[start] = '-';
            }
            first = buffer + start;
            size = width;
        }
    } else if constexpr (Pad == Padding::Blanks) {
        if (size < width)
            out.append(static_cast<std::size_t>(width - size), ' ');
    }
    out.append(first, static_cast<std::size_t>(size));
}

// The same for a precision known only at run time: up to 8 decimals by the
// short texts, more by the general writing.
template <Padding Pad>
void appendFixedTo(std::string& out, double value, int width, int precision)
{
    switch (precision) {
    case 0: appendFixedTo<0, Pad>(out, value, width); return;
    case 1: appendFixedTo<1, Pad>(out, value, width); return;
    case 2: appendFixedTo<2, Pad>(out, value, width); return;
    case 3: appendFixedTo<3, Pad>(out, value, width); return;
    case 4: appendFixedTo<4, Pad>(out, value, width); return;
    case 5: appendFixedTo<5, Pad>(out, value, width); return;
    case 6: appendFixedTo<6, Pad>(out, value, width); return;
    case 7: appendFixedTo<7, Pad>(out, value, width); return;
    case 8: appendFixedTo<8, Pad>(out, value, width); return;
    default: break;
    }
    appendFixedByGeneral<Pad>(out, value, width, precision);
}

}  // namespace

void appendFixed(std::string& out, double value, int precision)
{
    appendFixedTo<Padding::None>(out, value, 0, precision);
}

void appendFixedZeroPadded(std::string& out, double value, int width, int precision)
{
    appendFixedTo<Padding::Zeros>(out, value, width, precision);
}

void appendFixedBlankPadded(std::string& out, double value, int width, int precision)
{
    appendFixedTo<Padding::Blanks>(out, value, width, precision);
}

void appendAnyInteger(std::string& out, long value)
{
    char buffer[24];
    char* const end = buffer + sizeof buffer;
    // Through the unsigned magnitude: LONG_MIN has no positive long.
    const auto magnitude = value < 0 ? 0u - static_cast<unsigned long>(value)
                                     : static_cast<unsigned long>(value);
    char* first = digitsBefore(end, magnitude);
    if (value < 0)
        *--first = '-';
    out.append(first, static_cast<std::size_t>(end - first));
}

std::string fixed(double value, int precision)
{
    std::string text;
    appendFixed(text, value, precision);
    return text;
}

std::string fixedZeroPadded(double value, int width, int precision)
{
    std::string text;
    appendFixedZeroPadded(text, value, width, precision);
    return text;
}

std::string fixedBlankPadded(double value, int width, int precision)
{
    std::string text;
    appendFixedBlankPadded(text, value, width, precision);
    return text;
}

std::string integer(long value)
{
    std::string text;
    appendInteger(text, value);
    return text;
}

std::string integerTwoDigits(long value)
{
    std::string text;
    appendIntegerTwoDigits(text, value);
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
