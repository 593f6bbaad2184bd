#pragma once

// Helpers shared by the core tests of the parameter files and the start-up
// loading: raw file access and file layouts by hand.

#include "support/file_limits.h"
#include "support/recording_notifier.h"
#include "support/temp_folder.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tessara::test {

using testing::RecordingNotifier;
using testing::FileSizeLimit;
using testing::TempFolder;

inline std::string readAll(const std::string& path) { return testing::readFile(path); }
inline void writeAll(const std::string& path, const std::string& bytes) { testing::writeFile(path, bytes); }
// A committed sample file under tests/params/fixtures.
inline std::string fixture(const std::string& name) { return testing::sourcePath("tests/params/fixtures/" + name); }

// The little-endian bytes of a double and of 32-bit numbers, for checking
// file layouts by hand.
inline std::string leBytes(std::uint64_t value, int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>(static_cast<unsigned char>(value >> (8 * i))));
    return bytes;
}
inline std::string doubleBytes(double value) { return leBytes(std::bit_cast<std::uint64_t>(value), 8); }
inline std::string u32Bytes(std::uint32_t value) { return leBytes(value, 4); }

}  // namespace tessara::test
