#pragma once

#include "cli/command.h"

#include <span>
#include <string>

namespace tessara::cli {

// The subcommands of tessara-cli, in the order the help lists them. A new
// subcommand is one more entry of this table.
std::span<const Command> commands();

// The whole help text.
std::string usageText();

// Runs one command line (without the program name): "--help", "--version",
// or a subcommand and its arguments. Returns the exit status.
int runCli(std::span<const std::string> args, Streams& io);

}  // namespace tessara::cli
