#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessara {

// The standard reflected CRC-32 of IEEE 802.3 (polynomial 0xEDB88320,
// register preset to all ones and complemented at the end). The check value
// of "123456789" is 0xCBF43926.
class Crc32 {
public:
    void update(const void* data, std::size_t size);
    void update(std::string_view bytes) { update(bytes.data(), bytes.size()); }
    // Feeds the 8 bytes of an IEEE-754 double, least significant byte first,
    // whatever the byte order of the machine.
    void updateLittleEndian(double value);

    std::uint32_t value() const { return ~register_; }

private:
    std::uint32_t register_ = 0xFFFFFFFFu;
};

std::uint32_t crc32(std::string_view bytes);

}  // namespace tessara
