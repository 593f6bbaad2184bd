#include "params/length_prefixed_text.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tessara {
namespace {

constexpr std::uint8_t kLongerPrefix = 0xFF;
constexpr std::uint16_t kLongestPrefix = 0xFFFF;
// Lengths from this value up need the 32-bit form (0xFFFE and 0xFFFF are
// kept out of the 16-bit form).
constexpr std::uint64_t kFirst32BitLength = 0xFFFE;

}  // namespace

void appendLengthPrefixedText(std::string& out, std::string_view text)
{
    // The 32-bit prefix is the longest form there is.
    const std::uint64_t length =
        std::min<std::uint64_t>(text.size(), std::numeric_limits<std::uint32_t>::max());
    if (length < kLongerPrefix) {
        appendU8(out, static_cast<std::uint8_t>(length));
    } else if (length < kFirst32BitLength) {
        appendU8(out, kLongerPrefix);
        appendU16(out, static_cast<std::uint16_t>(length));
    } else {
        appendU8(out, kLongerPrefix);
        appendU16(out, kLongestPrefix);
        appendU32(out, static_cast<std::uint32_t>(length));
    }
    out.append(text.substr(0, static_cast<std::size_t>(length)));
}

bool readLengthPrefixedText(ByteSource& in, std::string& text)
{
    std::uint8_t shortLength = 0;
    if (!readU8(in, shortLength))
        return false;
    std::uint64_t length = shortLength;
    if (shortLength == kLongerPrefix) {
        std::uint16_t mediumLength = 0;
        if (!readU16(in, mediumLength))
            return false;
        length = mediumLength;
        if (mediumLength == kLongestPrefix) {
            std::uint32_t longLength = 0;
            if (!readU32(in, longLength))
                return false;
            length = longLength;
        }
    }
    return readBytes(in, length, text);
}

}  // namespace tessara
