#include "cli/arguments.h"

#include <algorithm>
#include <utility>

namespace tessara::cli {
namespace {

const OptionRule* findRule(std::span<const OptionRule> rules, std::string_view name)
{
    const auto it = std::find_if(rules.begin(), rules.end(),
                                 [name](const OptionRule& s) { return s.name == name; });
    return it == rules.end() ? nullptr : &*it;
}

}  // namespace

bool ParsedArguments::has(std::string_view name) const { return !all(name).empty(); }

std::optional<std::string> ParsedArguments::value(std::string_view name) const
{
    const std::vector<const OptionValue*> given = all(name);
    if (given.empty() || given.back()->values.empty())
        return std::nullopt;
    return given.back()->values.front();
}

std::vector<const OptionValue*> ParsedArguments::all(std::string_view name) const
{
    std::vector<const OptionValue*> given;
    for (const OptionValue& option : options) {
        if (option.name == name)
            given.push_back(&option);
    }
    return given;
}

ParseOutcome parseArguments(std::span<const std::string> args, std::span<const OptionRule> rules)
{
    ParseOutcome outcome;
    ParsedArguments& parsed = outcome.arguments;
    bool onlyPositionals = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyPositionals || arg == "-" || arg.empty() || arg.front() != '-') {
            parsed.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyPositionals = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            outcome.error = "unknown option " + arg;
            return outcome;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos
                                                                           : equals - 2);
        const OptionRule* rule = findRule(rules, name);
        if (rule == nullptr) {
            outcome.error = "unknown option --" + name;
            return outcome;
        }
        if (!rule->repeatable && parsed.has(name)) {
            outcome.error = "option --" + name + " is given more than once";
            return outcome;
        }
        OptionValue option{name, {}};
        if (equals != std::string::npos) {
            // The attached form carries exactly one value.
            if (rule->valueCount != 1) {
                outcome.error = "option --" + name + " does not take a value after '='";
                return outcome;
            }
            option.values.push_back(arg.substr(equals + 1));
        } else {
            const auto count = static_cast<std::size_t>(rule->valueCount);
            if (args.size() - i - 1 < count) {
                outcome.error = "option --" + name + " needs " +
                                (count == 1 ? std::string("a value") : "more values");
                return outcome;
            }
            option.values.assign(args.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                 args.begin() + static_cast<std::ptrdiff_t>(i + 1 + count));
            i += count;
        }
        parsed.options.push_back(std::move(option));
    }
    return outcome;
}

}  // namespace tessara::cli
