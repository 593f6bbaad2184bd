#include "cli/dispatcher.h"

#include "program/version_text.h"
#include "cli/detect_command.h"
#include "cli/params_command.h"
#include "cli/point_command.h"
#include "cli/sets_command.h"
#include "cli/transform_command.h"

#include <algorithm>

namespace tessara::cli {

std::span<const Command> commands()
{
    // Built on first use: the help texts are globals of other files, so a table
    // at namespace scope would depend on the order of their initialisation.
    static const Command table[] = {
        {"transform", kTransformHelp, runTransformCommand},
        {"detect", kDetectHelp, runDetectCommand},
        {"point", kPointHelp, runPointCommand},
        {"sets", kSetsHelp, runSetsCommand},
        {"params", kParamsHelp, runParamsCommand},
    };
    return table;
}

std::string usageText()
{
    std::string text =
        "Usage: tessara-cli COMMAND [ARGUMENTS]\n"
        "       tessara-cli --help | --version\n"
        "\n"
        "Commands:\n";
    for (const Command& command : commands())
        text.append(command.help);
    text +=
        "\n"
        "Exit status: 0 success, 1 the file or its data is wrong, 2 usage or file error.\n";
    return text;
}

int runCli(std::span<const std::string> args, Streams& io)
{
    if (args.empty()) {
        io.err << usageText();
        return kExitUsage;
    }
    const std::string& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        io.out << usageText();
        return kExitSuccess;
    }
    if (first == "--version") {
        io.out << "tessara-cli " << buildVersionText() << '\n';
        return kExitSuccess;
    }
    const std::span<const Command> table = commands();
    const auto command = std::find_if(table.begin(), table.end(),
                                      [&first](const Command& c) { return c.name == first; });
    if (command == table.end()) {
        io.err << "tessara-cli: unknown command '" << first << "'\n" << usageText();
        return kExitUsage;
    }
    return command->run(args.subspan(1), io);
}

}  // namespace tessara::cli
