#include "cli/dispatcher.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    tessara::cli::Streams io{std::cout, std::cerr};
    const int status = tessara::cli::runCli(args, io);
    std::cout.flush();
    // A full disk or a closed pipe must not pass for success.
    if (!std::cout)
        return tessara::cli::kExitUsage;
    return status;
}
