#pragma once

#include "cli/command.h"

namespace tessara::cli {

// "params show FILE", "params new-set ..." and "params new-ellipsoid ...":
// looking into parameter and ellipsoid files and writing them as the
// parameter editor does; "params import FILE...": adding them to the stored
// lists as the transformation program's imports do.
int runParamsCommand(std::span<const std::string> args, Streams& io);

extern const std::string_view kParamsHelp;

}  // namespace tessara::cli
