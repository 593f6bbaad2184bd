#pragma once

#include "cli/command.h"

#include <span>
#include <string>
#include <string_view>

namespace tessara::cli {

// "detect FILE": the first lines of a point file split into fields, and the
// layout the file dialog would propose for it; nothing is transformed.
int runDetectCommand(std::span<const std::string> args, Streams& io);

extern const std::string_view kDetectHelp;

}  // namespace tessara::cli
