#pragma once

#include "cli/command.h"

#include <span>
#include <string>
#include <string_view>

namespace tessara::cli {

// "point": one point transformed as the main form's Compute transforms it,
// printed as the form's output half shows it.
int runPointCommand(std::span<const std::string> args, Streams& io);

extern const std::string_view kPointHelp;

}  // namespace tessara::cli
