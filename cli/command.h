#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tessara::cli {

// Exit status of every command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the work was done, but what it found is wrong
inline constexpr int kExitUsage = 2;    // a usage or file error: nothing was done

// Where a command writes: results to `out`, messages to `err`. Only texts go
// through these streams; numbers are made texts by the locale-proof writers.
struct Streams {
    std::ostream& out;
    std::ostream& err;
};

// One subcommand of tessara-cli: its name, the lines that describe it in the
// help, and what runs it with the arguments after its name.
struct Command {
    std::string_view name;
    std::string_view help;
    int (*run)(std::span<const std::string> args, Streams& io);
};

}  // namespace tessara::cli
