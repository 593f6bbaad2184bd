#include "records/crc32.h"
#include "records/records.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <string>

namespace tessara {
namespace {

// Bit-at-a-time reference CRC-32 (no table), to check the table-driven one.
std::uint32_t referenceCrc(const std::string& bytes)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (char ch : bytes) {
        c ^= static_cast<unsigned char>(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

std::string littleEndianBytes(double v)
{
    const auto bits = std::bit_cast<std::uint64_t>(v);
    std::string out;
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFFu));
    return out;
}

ParameterSet sampleSet()
{
    return ParameterSet::fromValues(
        "ITRF2000", 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
        {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
}

TEST(Crc32, StandardCheckValueInOneGoAndPiecewise)
{
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32(""), 0u);
    Crc32 crc;
    crc.update("1234");
    crc.update("");
    crc.update("56789");
    EXPECT_EQ(crc.value(), 0xCBF43926u);
}

TEST(Checksum, ParameterSetCoversNameThenFifteenLittleEndianDoubles)
{
    const ParameterSet set = sampleSet();
    std::string bytes = set.name;
    bytes += littleEndianBytes(set.epoch);
    for (double v : set.base)
        bytes += littleEndianBytes(v);
    for (double v : set.rate)
        bytes += littleEndianBytes(v);
    EXPECT_EQ(computeChecksum(set), referenceCrc(bytes));
    EXPECT_EQ(set.checksum, computeChecksum(set));
}

TEST(Checksum, EllipsoidCoversNameAxisAndInverseFlatteningOnly)
{
    Ellipsoid e = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);
    const std::string bytes =
        "GRS80" + littleEndianBytes(6378137.0) + littleEndianBytes(298.257222101);
    EXPECT_EQ(computeChecksum(e), referenceCrc(bytes));
}

TEST(Validity, NameAndEveryValueMustBeSet)
{
    struct Case {
        const char* name;
        std::string setName;
        int position;  // -1: no value changed
        double value;
        bool valid;
    };
    const Case cases[] = {
        {"all values set", "X", -1, 0.0, true},
        {"empty name", "", -1, 0.0, false},
        {"epoch unset", "X", 0, 1000000.0, false},
        {"last rate unset", "X", 14, 1000000.0, false},
        {"rate just below the marker", "X", 14, 999999.9999, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterSet set = ParameterSet::editorFromValues(c.setName, 2000.0, {1, 2, 3, 4, 5, 6, 7},
                                                          {1, 2, 3, 4, 5, 6, 7});
        if (c.position >= 0)
            set.setValue(c.position, c.value);
        validateEditor(set);
        EXPECT_EQ(set.valid, c.valid);
        // The editor's constructor never computes a checksum.
        EXPECT_EQ(set.checksum, 1000000u);
    }
}

TEST(Validity, EllipsoidNeedsNameAxisAndFlattening)
{
    EXPECT_TRUE(Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9).valid);
    EXPECT_FALSE(Ellipsoid::fromValues("", 6378137.0, 1, 298.257222101, 9).valid);
    EXPECT_FALSE(Ellipsoid::fromValues("A", kUnsetValue, -1, 298.257222101, 9).valid);
    EXPECT_FALSE(Ellipsoid::fromValues("A", 6378137.0, 1, kUnsetValue, -1).valid);
    // The rule ignores the checksum.
    Ellipsoid e = Ellipsoid::fromValues("A", 1.0, 0, 2.0, 0);
    e.checksum = 12345u;
    validate(e);
    EXPECT_TRUE(e.valid);
}

}  // namespace
}  // namespace tessara
