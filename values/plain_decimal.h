#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// The direct reading of the common shape of a file's numbers, shared by the
// number reading and the angle readers, inline in both: digits with at most
// one point, read as one integer and divided once by an exact power of ten.
namespace tessara::numtext {

// The powers of ten that are exact as doubles.
inline constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The value of a decimal digit, and more than 9 for any other character
// (one unsigned test finds the end of a run of digits).
inline unsigned digitValue(char c)
{
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - unsigned{'0'};
}

// Eight characters with one point among them (seconds written with five
// decimals) read as one little-endian word, first character lowest: the
// point is taken out, a zero put in front, and the eight digits combine in
// three steps of pairs. False for any other eight characters.
inline bool eightCharacterDigits(const char* text, std::uint64_t& digits, std::size_t& decimals)
{
    if constexpr (std::endian::native != std::endian::little)
        return false;
    constexpr std::uint64_t kLowBits = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0u;
    constexpr std::uint64_t kZeros = kLowBits * '0';
    std::uint64_t word = 0;
    std::memcpy(&word, text, sizeof word);
    // Bytes equal to '.' become zero bytes, marked by their high bit (a
    // byte after one may be marked too: then more than one mark refuses).
    const std::uint64_t x = word ^ (kLowBits * '.');
    const std::uint64_t points = (x - kLowBits) & ~x & kHighBits;
    if (points == 0 || (points & (points - 1)) != 0)
        return false;
    const int point = std::countr_zero(points) / 8;
    const std::uint64_t before = (std::uint64_t{1} << (8 * point)) - 1;
    const std::uint64_t characters = ((word & before) | ((word >> 8) & ~before)) << 8 | '0';
    // Every byte from '0' to '9': high nibble 3, and still 3 after adding 6.
    if ((characters & kHighNibbles) != kZeros ||
        ((characters + kLowBits * 6) & kHighNibbles) != kZeros)
        return false;
    std::uint64_t v = characters - kZeros;
    v = v * 10 + (v >> 8);  // pairs of digits in every other byte
    // Then the four pairs in two products: the upper half of their sum
    // holds pair 1 * 10^6 + pair 2 * 10^4 + pair 3 * 100 + pair 4.
    constexpr std::uint64_t kPairs = 0x000000FF000000FFu;
    constexpr std::uint64_t kFirstAndThird = 100 + (1000000ull << 32);
    constexpr std::uint64_t kSecondAndFourth = 1 + (10000ull << 32);
    digits = ((v & kPairs) * kFirstAndThird + ((v >> 16) & kPairs) * kSecondAndFourth) >> 32;
    decimals = static_cast<std::size_t>(7 - point);
    return true;
}

// The digits of a text of 1 to 15 digits with at most one point, as one
// integer, and how many of them follow the point. False for any other
// character, a lone point, or 16 digits.
inline bool decimalDigits(std::string_view text, std::uint64_t& digits, std::size_t& decimals)
{
    const char* p = text.data();
    const char* const last = p + text.size();
    std::uint64_t v = 0;
    for (unsigned digit = 0; p < last && (digit = digitValue(*p)) <= 9; ++p)
        v = v * 10 + digit;
    std::size_t count = text.size();
    decimals = 0;
    if (p < last && *p == '.') {
        const char* const point = p;
        for (unsigned digit = 0; ++p < last && (digit = digitValue(*p)) <= 9;)
            v = v * 10 + digit;
        decimals = static_cast<std::size_t>(p - point - 1);
        --count;
    }
    digits = v;
    return p == last && count != 0 && count <= 15;
}

// A whole text of 1 to 15 digits with at most one point after an optional
// minus sign, with the value strtod reads. False for any other text, which
// the general reading takes.
[[gnu::always_inline]] inline bool readPlainDecimal(std::string_view text, double& value)
{
    if (text.size() > 16)
        return false;
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view magnitude = negative ? text.substr(1) : text;
    std::uint64_t digits = 0;
    std::size_t decimals = 0;
    if (!(magnitude.size() == 8 && eightCharacterDigits(magnitude.data(), digits, decimals)) &&
        !decimalDigits(magnitude, digits, decimals))
        return false;
    // Below 2^53: exact through the signed conversion, the cheaper one; the
    // power of ten is exact too, so the one correctly rounded quotient is
    // the value strtod reads.
    const double v =
        static_cast<double>(static_cast<std::int64_t>(digits)) / kExactPowersOfTen[decimals];
    value = negative ? -v : v;
    return true;
}

}  // namespace tessara::numtext
