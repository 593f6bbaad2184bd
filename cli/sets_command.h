#pragma once

#include "cli/command.h"

#include <span>
#include <string>
#include <string_view>

namespace tessara::cli {

// "sets": the parameter sets and ellipsoids the other commands know, with
// their values.
int runSetsCommand(std::span<const std::string> args, Streams& io);

extern const std::string_view kSetsHelp;

}  // namespace tessara::cli
