// Every stored fuzz input (the seed corpus and the reproducers of fixed
// findings) through every fuzz body, in the ordinary and the sanitizer
// builds. A body aborts on a broken invariant (and the sanitizers abort on a
// finding in CI); each input is named on stderr before it is replayed, so the
// last name shown is the one that failed. The parameter and ellipsoid readers
// must also keep their memory to the size of the data, however large a length
// it claims.

#include "fuzz/fuzz_bodies.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

namespace {

// The largest single request for memory while watching is on.
std::atomic<bool> gWatching{false};
std::atomic<std::size_t> gLargestRequest{0};

void* allocate(std::size_t size)
{
    std::size_t largest = gLargestRequest.load();
    while (gWatching.load() && size > largest && !gLargestRequest.compare_exchange_weak(largest, size)) {
    }
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

}  // namespace

// Global replacements, so that every allocation of the readers is seen (the
// library's array forms call these).
void* operator new(std::size_t size) { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace tessara::fuzz {
namespace {

namespace fs = std::filesystem;

// The stored inputs of a target, in a stable order.
std::vector<fs::path> storedInputs(std::string_view target)
{
    std::vector<fs::path> files;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(TESSARA_SOURCE_DIR) / "fuzz" / kind / target;
        if (fs::is_directory(folder))
            for (const fs::directory_entry& entry : fs::directory_iterator(folder))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The readers take memory for bytes that are there, never for a stored
// length: a source without a size grows a text in 64 KiB pieces (its
// string may double once past the data), and paths and messages are small.
std::size_t allowedAllocation(std::size_t size) { return 2 * (size + 64 * 1024) + 4096; }

class Replay : public ::testing::TestWithParam<Target> {};

TEST_P(Replay, StoredInputsRunCleanly)
{
    const Target target = GetParam();
    const std::vector<fs::path> files = storedInputs(target.name);
    ASSERT_FALSE(files.empty()) << "no stored inputs for " << target.name;
    const bool reader = target.name == "parameter_file" || target.name == "ellipsoid_file";
    for (const fs::path& file : files) {
        const std::string name = file.string();
        SCOPED_TRACE(name);
        std::fprintf(stderr, "replaying fuzz input: %s\n", name.c_str());
        const std::string bytes = tessara::testing::readFile(name);
        gLargestRequest = 0;
        gWatching = reader;
        const int result = target.body(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        gWatching = false;
        EXPECT_EQ(result, 0);
        EXPECT_LE(gLargestRequest.load(), reader ? allowedAllocation(bytes.size()) : SIZE_MAX);
    }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Replay, ::testing::ValuesIn(targets().begin(), targets().end()),
                         [](const ::testing::TestParamInfo<Target>& param) {
                             return std::string(param.param.name);
                         });

}  // namespace
}  // namespace tessara::fuzz
