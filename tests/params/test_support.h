#pragma once

// Helpers shared by the core tests of the parameter files and the start-up
// loading: raw file access, file layouts by hand, and a file size limit.

#include "support/recording_notifier.h"
#include "support/temp_folder.h"

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace tessara::test {

using testing::RecordingNotifier;
using testing::TempFolder;

inline std::string readAll(const std::string& path) { return testing::readFile(path); }
inline void writeAll(const std::string& path, const std::string& bytes) { testing::writeFile(path, bytes); }

// The little-endian bytes of a double and of 32-bit numbers, for checking
// file layouts by hand.
inline std::string leBytes(std::uint64_t value, int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>(static_cast<unsigned char>(value >> (8 * i))));
    return bytes;
}
inline std::string doubleBytes(double value)
{
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    return leBytes(bits, 8);
}
inline std::string u32Bytes(std::uint32_t value) { return leBytes(value, 4); }

// While alive, no file of this process may grow beyond `bytes`: writes past
// it fail with "File too large", as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

}  // namespace tessara::test
