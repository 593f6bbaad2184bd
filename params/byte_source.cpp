#include "params/byte_source.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace tessara {
namespace {

// Bytes of a field are assembled least significant first, so the result is
// the same on any machine.
template <typename Unsigned>
bool readLittleEndian(ByteSource& in, Unsigned& value)
{
    unsigned char bytes[sizeof(Unsigned)];
    if (in.read(bytes, sizeof bytes) != sizeof bytes)
        return false;
    Unsigned v = 0;
    for (std::size_t i = sizeof bytes; i-- > 0;)
        v = static_cast<Unsigned>((v << 8) | bytes[i]);
    value = v;
    return true;
}

template <typename Unsigned>
void appendLittleEndian(std::string& out, Unsigned value)
{
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        out.push_back(static_cast<char>(static_cast<unsigned char>(value >> (8 * i))));
}

// Without a known size, a long text is taken in pieces of this size, so the
// memory held never runs far ahead of the data that really arrived.
constexpr std::size_t kPieceSize = std::size_t{64} * 1024;

}  // namespace

std::size_t MemorySource::read(void* buffer, std::size_t size)
{
    const std::size_t n = std::min(size, bytes_.size() - position_);
    if (n > 0)
        std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

bool readU8(ByteSource& in, std::uint8_t& value) { return readLittleEndian(in, value); }
bool readU16(ByteSource& in, std::uint16_t& value) { return readLittleEndian(in, value); }
bool readU32(ByteSource& in, std::uint32_t& value) { return readLittleEndian(in, value); }

bool readI32(ByteSource& in, std::int32_t& value)
{
    std::uint32_t bits = 0;
    if (!readU32(in, bits))
        return false;
    value = std::bit_cast<std::int32_t>(bits);
    return true;
}

bool readDouble(ByteSource& in, double& value)
{
    std::uint64_t bits = 0;
    if (!readLittleEndian(in, bits))
        return false;
    value = std::bit_cast<double>(bits);
    return true;
}

bool readBytes(ByteSource& in, std::uint64_t count, std::string& bytes)
{
    const std::optional<std::uint64_t> left = in.remaining();
    // A stored length beyond the data left is an incomplete record: refuse it
    // before any memory is taken for it.
    if (left && count > *left)
        return false;

    std::string result;
    if (left) {
        result.resize(static_cast<std::size_t>(count));
        if (in.read(result.data(), result.size()) != result.size())
            return false;
    } else {
        while (result.size() < count) {
            const std::uint64_t missing = count - result.size();
            const auto piece =
                static_cast<std::size_t>(std::min<std::uint64_t>(kPieceSize, missing));
            const std::size_t start = result.size();
            result.resize(start + piece);
            if (in.read(result.data() + start, piece) != piece)
                return false;
        }
    }
    bytes = std::move(result);
    return true;
}

void appendU8(std::string& out, std::uint8_t value) { appendLittleEndian(out, value); }
void appendU16(std::string& out, std::uint16_t value) { appendLittleEndian(out, value); }
void appendU32(std::string& out, std::uint32_t value) { appendLittleEndian(out, value); }
void appendI32(std::string& out, std::int32_t value)
{
    appendU32(out, std::bit_cast<std::uint32_t>(value));
}
void appendDouble(std::string& out, double value)
{
    appendLittleEndian(out, std::bit_cast<std::uint64_t>(value));
}

}  // namespace tessara
