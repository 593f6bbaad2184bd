#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessara::cli {

// One "--name" option a command accepts: how many values follow it (0 for a
// flag; "--name=VALUE" is the same as "--name VALUE" for one value), and
// whether it may be given more than once.
struct OptionRule {
    std::string_view name;  // without the leading "--"
    int valueCount = 1;
    bool repeatable = false;
};

struct OptionValue {
    std::string name;
    std::vector<std::string> values;
};

// A command line taken apart: the options in the order given, and the other
// arguments. A value is taken as given even when it starts with "-" (so
// "--base -0.07,..." works); "--" makes every later argument positional, and
// "-" alone is positional (standard input or output).
struct ParsedArguments {
    std::vector<OptionValue> options;
    std::vector<std::string> positionals;

    bool has(std::string_view name) const;
    // The value of a one-value option (the last one given), if it was given.
    std::optional<std::string> value(std::string_view name) const;
    // Every occurrence of a repeatable option, in order.
    std::vector<const OptionValue*> all(std::string_view name) const;
};

struct ParseOutcome {
    ParsedArguments arguments;
    std::string error;  // empty when the command line is well formed
    bool ok() const { return error.empty(); }
};

// Unknown options, missing values, a value given to a flag and a repeated
// option that may be given only once are errors, described in `error`.
ParseOutcome parseArguments(std::span<const std::string> args, std::span<const OptionRule> rules);

}  // namespace tessara::cli
