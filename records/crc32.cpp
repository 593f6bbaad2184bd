#include "records/crc32.h"

#include <array>
#include <bit>

namespace tessara {
namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;

constexpr std::array<std::uint32_t, 256> makeTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) != 0 ? kPolynomial ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = makeTable();

}  // namespace

void Crc32::update(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint32_t c = register_;
    for (std::size_t i = 0; i < size; ++i)
        c = kTable[(c ^ bytes[i]) & 0xFFu] ^ (c >> 8);
    register_ = c;
}

void Crc32::updateLittleEndian(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    update(bytes, sizeof bytes);
}

std::uint32_t crc32(std::string_view bytes)
{
    Crc32 crc;
    crc.update(bytes);
    return crc.value();
}

}  // namespace tessara
