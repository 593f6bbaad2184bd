// Thousands of random and damaged files through every reader of the
// parameter files: none may crash, hang, or take memory beyond the size of
// the data it was given (however large a length the data claims).

#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_list_file.h"
#include "params/length_prefixed_text.h"
#include "params/parameter_file.h"
#include "params/parameter_list_file.h"
#include "params/parameter_store.h"
#include "params/record_codec.h"
#include "tests/params/test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <cstdlib>
#include <new>
#include <random>

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

}  // namespace

// Global replacements, so every allocation of the readers is seen.
void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace tessara {
namespace {

using test::RecordingNotifier;
using test::TempFolder;

// The largest allocation made while running `work`.
template <typename Work>
std::size_t largestAllocation(Work&& work)
{
    gLargestRequest = 0;
    gWatching = true;
    work();
    gWatching = false;
    return gLargestRequest;
}

// A source that cannot tell its size, like a pipe.
class UnsizedSource final : public ByteSource {
public:
    explicit UnsizedSource(std::string_view bytes) : inner_(bytes) {}
    std::size_t read(void* buffer, std::size_t size) override { return inner_.read(buffer, size); }
    std::optional<std::uint64_t> remaining() const override { return std::nullopt; }

private:
    MemorySource inner_;
};

std::vector<std::string> seedFiles()
{
    ParameterSet set = ParameterSet::fromValues("ITRF2000", 2000.0, {1, 2, 3, 4, 5, 6, 7},
                                                {7, 6, 5, 4, 3, 2, 1});
    ParameterSet longName = set;
    longName.name.assign(300, 'x');
    Ellipsoid ellipsoid = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);

    std::string editorFile(kParameterMarker);
    writeParameterRecord(editorFile, set, false);
    std::string listFile(kParameterMarker);
    writeParameterRecord(listFile, set, true);
    writeParameterRecord(listFile, longName, true);
    std::string ellipsoidFile(kEllipsoidMarker);
    writeEllipsoidRecord(ellipsoidFile, ellipsoid);
    std::string ellipsoidList = ellipsoidFile;
    writeEllipsoidRecord(ellipsoidList, ellipsoid);
    // A name length far beyond any file, right where the first name starts.
    const std::string hostile = "\xFF\xFF\xFF" + test::leBytes(0xFFFFFFF0u, 4) + "abc";
    return {editorFile,
            listFile,
            ellipsoidFile,
            ellipsoidList,
            std::string(kParameterMarker) + hostile,
            std::string(kEllipsoidMarker) + hostile};
}

class Mutator {
public:
    std::string next(const std::vector<std::string>& seeds)
    {
        if (pick(4) == 0)
            return randomBytes(pick(300));
        std::string bytes = seeds[pick(seeds.size())];
        const std::size_t steps = 1 + pick(3);
        for (std::size_t s = 0; s < steps && !bytes.empty(); ++s)
            mutate(bytes);
        return bytes;
    }

private:
    std::size_t pick(std::size_t n)
    {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    char byte() { return static_cast<char>(pick(256)); }

    std::string randomBytes(std::size_t n)
    {
        std::string bytes;
        for (std::size_t i = 0; i < n; ++i)
            bytes.push_back(byte());
        return bytes;
    }

    void mutate(std::string& bytes)
    {
        const std::size_t at = pick(bytes.size());
        switch (pick(5)) {
        case 0:  // flip bits
            bytes[at] = static_cast<char>(bytes[at] ^ (1 << pick(8)));
            break;
        case 1:  // cut short
            bytes.resize(at);
            break;
        case 2:  // insert noise
            bytes.insert(at, randomBytes(1 + pick(8)));
            break;
        case 3: {  // an absurd length prefix where a text may start
            const std::string hostile =
                "\xFF\xFF\xFF" + test::leBytes(0xF0000000u + pick(0x0FFFFFFF), 4);
            bytes.replace(at, std::min(hostile.size(), bytes.size() - at), hostile);
            break;
        }
        default:  // the 3-byte form with a large 16-bit length
            bytes.replace(at, std::min<std::size_t>(3, bytes.size() - at), "\xFF\xFE\xFF");
            break;
        }
    }

    std::mt19937 rng_{20240521u};
};

// Every record in the source, as the list loaders read them.
void readAllRecords(ByteSource& in, bool parameters, bool withFlag)
{
    for (int guard = 0; guard < 100000; ++guard) {
        if (parameters) {
            ParameterSet set;
            if (readParameterRecord(in, set, withFlag) == RecordRead::Incomplete)
                return;
        } else {
            Ellipsoid ellipsoid;
            if (readEllipsoidRecord(in, ellipsoid) == RecordRead::Incomplete)
                return;
        }
    }
    ADD_FAILURE() << "a reader did not come to the end of its data";
}

TEST(ReaderFuzz, RecordReadersStayWithinTheirData)
{
    const std::vector<std::string> seeds = seedFiles();
    Mutator mutator;
    constexpr std::size_t kSlack = 64;
    constexpr std::size_t kPiece = 64 * 1024;
    for (int i = 0; i < 4000; ++i) {
        const std::string bytes = mutator.next(seeds);
        SCOPED_TRACE(i);
        for (int variant = 0; variant < 3; ++variant) {
            const bool parameters = variant < 2;
            const bool withFlag = variant == 0;
            const std::size_t sized = largestAllocation([&] {
                MemorySource in(bytes);
                readMarker(in, parameters ? kParameterMarker : kEllipsoidMarker);
                readAllRecords(in, parameters, withFlag);
            });
            ASSERT_LE(sized, bytes.size() + kSlack);
            // Without a known size the text comes in bounded pieces.
            const std::size_t unsized = largestAllocation([&] {
                UnsizedSource in(bytes);
                readAllRecords(in, parameters, withFlag);
            });
            ASSERT_LE(unsized, 2 * (bytes.size() + kPiece));
        }
    }
}

TEST(ReaderFuzz, FileReadersAndListLoadersStayWithinTheFile)
{
    const std::vector<std::string> seeds = seedFiles();
    Mutator mutator;
    TempFolder folder;
    const std::string path = folder.file("fuzz.bin");
    // Paths and messages are small next to a hostile length.
    constexpr std::size_t kSlack = 4096;
    for (int i = 0; i < 600; ++i) {
        const std::string bytes = mutator.next(seeds);
        // A fresh file each time: rewriting one in place makes the file
        // system flush it to disk at every close, which only costs time.
        std::filesystem::remove(path);
        test::writeAll(path, bytes);
        SCOPED_TRACE(i);
        RecordingNotifier notifier;
        const std::size_t largest = largestAllocation([&] {
            ParameterSet set;
            readParameterFileInEditor(path, set, notifier);
            ParameterSet imported;
            readParameterFileInProgram(path, imported, notifier);
            Ellipsoid ellipsoid;
            readEllipsoidFileInEditor(path, ellipsoid, notifier);
            Ellipsoid importedEllipsoid;
            readEllipsoidFileInProgram(path, importedEllipsoid, notifier);
            ParameterStore store;
            loadStoredSets(path, store, notifier);
            EllipsoidList list;
            loadStoredEllipsoids(path, list, notifier);
        });
        ASSERT_LE(largest, bytes.size() + kSlack);
    }
}

}  // namespace
}  // namespace tessara
