// Every stored fuzz input (the seed corpus and the reproducers of fixed
// findings) through every fuzz body, in the ordinary and the sanitizer
// builds. A body aborts on a broken invariant (and the sanitizers abort on a
// finding in CI); the input being replayed is then named on stderr. The parameter and ellipsoid readers must also keep
// their memory to the size of the data, however large a length it claims.

#include "fuzz/fuzz_bodies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The largest single request for memory while watching is on.
std::atomic<bool> gWatching{false};
std::atomic<std::size_t> gLargestRequest{0};

void* allocate(std::size_t size)
{
    if (gWatching.load(std::memory_order_relaxed)) {
        std::size_t largest = gLargestRequest.load(std::memory_order_relaxed);
        while (size > largest && !gLargestRequest.compare_exchange_weak(largest, size)) {
        }
    }
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

// The input being replayed, for the report of a crash or an abort.
char gCurrentInput[4096];

extern "C" void nameCurrentInput(int signalNumber)
{
    const char prefix[] = "\n*** while replaying fuzz input: ";
    [[maybe_unused]] ssize_t n = ::write(STDERR_FILENO, prefix, sizeof prefix - 1);
    n = ::write(STDERR_FILENO, gCurrentInput, std::strlen(gCurrentInput));
    n = ::write(STDERR_FILENO, "\n", 1);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

}  // namespace

// Global replacements, so that every allocation of the readers is seen.
void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace tessara::fuzz {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The stored inputs of a target, in a stable order.
std::vector<fs::path> storedInputs(std::string_view target)
{
    std::vector<fs::path> files;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(TESSARA_SOURCE_DIR) / "fuzz" / kind / target;
        if (!fs::is_directory(folder))
            continue;
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
    // Only the abort: a sanitizer's own fault handler must stay in place.
    std::signal(SIGABRT, nameCurrentInput);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const std::string name = file.string();
        std::memcpy(gCurrentInput, name.c_str(), std::min(name.size() + 1, sizeof gCurrentInput));
        gCurrentInput[sizeof gCurrentInput - 1] = '\0';
        const std::string bytes = readFile(file);
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        gLargestRequest = 0;
        gWatching = reader;
        const int result = target.body(data, bytes.size());
        gWatching = false;
        EXPECT_EQ(result, 0);
        if (reader) {
            EXPECT_LE(gLargestRequest.load(), allowedAllocation(bytes.size()));
        }
    }
    std::signal(SIGABRT, SIG_DFL);
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Replay, ::testing::ValuesIn(targets().begin(), targets().end()),
                         [](const ::testing::TestParamInfo<Target>& param) {
                             return std::string(param.param.name);
                         });

}  // namespace
}  // namespace tessara::fuzz
