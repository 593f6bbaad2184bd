#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The bodies of the fuzz targets: each takes one input of any bytes and runs
// it through a part of the core. They return 0; a broken invariant aborts
// with a message, as a crash would. The libFuzzer entry points call them,
// and the replay test runs every stored input through them.
namespace tessara::fuzz {

using Body = int (*)(const std::uint8_t* data, std::size_t size);

// A parameter file through both programs' readers and the list loader, and
// its records through a sized and an unsized source.
int fuzzParameterFile(const std::uint8_t* data, std::size_t size);
// The same for an ellipsoid file.
int fuzzEllipsoidFile(const std::uint8_t* data, std::size_t size);
// The lines of a point file through SplitLine, SpacesToCommas, the
// heading and hemisphere-letter rules and DetectFileFormat.
int fuzzLineFields(const std::uint8_t* data, std::size_t size);
// The five angle readers and ReadEpoch; the first byte picks the reader.
int fuzzAngleReaders(const std::uint8_t* data, std::size_t size);
// A whole file run; the first bytes pick the format choice, the rest is
// the input file.
int fuzzFileRun(const std::uint8_t* data, std::size_t size);

struct Target {
    std::string_view name;  // the folder name under fuzz/corpus and fuzz/regressions
    Body body;
};

std::span<const Target> targets();

}  // namespace tessara::fuzz
