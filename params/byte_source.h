#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessara {

// Where the binary readers take their bytes from: a memory buffer or an open
// file. Readers never trust a length stored in the data; they ask the
// source how much is left, or read in bounded pieces when it cannot say.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Copies up to `size` bytes into `buffer` and returns how many were
    // copied: fewer than asked only at the end of the data or on a read error.
    virtual std::size_t read(void* buffer, std::size_t size) = 0;

    // The number of bytes left, when the source knows it (a buffer, a regular
    // file); nothing for a pipe or a device.
    virtual std::optional<std::uint64_t> remaining() const = 0;
};

// A source over bytes held by the caller, who keeps them alive.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}

    std::size_t read(void* buffer, std::size_t size) override;
    std::optional<std::uint64_t> remaining() const override { return bytes_.size() - position_; }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

// Little-endian fixed-size fields. Each returns false when the data ends
// before the field is whole; the target is then left unchanged.
bool readU8(ByteSource& in, std::uint8_t& value);
bool readU16(ByteSource& in, std::uint16_t& value);
bool readU32(ByteSource& in, std::uint32_t& value);
bool readI32(ByteSource& in, std::int32_t& value);
bool readDouble(ByteSource& in, double& value);

// Exactly `count` bytes into `bytes`; false (and `bytes` unchanged) when
// fewer are there. Memory is taken only for bytes actually present, so a
// hostile count costs nothing beyond the size of the data.
bool readBytes(ByteSource& in, std::uint64_t count, std::string& bytes);

// The writers' counterparts, appending to a byte buffer.
void appendU8(std::string& out, std::uint8_t value);
void appendU16(std::string& out, std::uint16_t value);
void appendU32(std::string& out, std::uint32_t value);
void appendI32(std::string& out, std::int32_t value);
void appendDouble(std::string& out, double value);

}  // namespace tessara
