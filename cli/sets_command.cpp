#include "cli/sets_command.h"

#include "cli/arguments.h"
#include "cli/known_records.h"
#include "cli/stream_notifier.h"
#include "params/name_list.h"
#include "values/number_text.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tessara::cli {

const std::string_view kSetsHelp =
    "  sets [--params FILE] [--ellipsoid-file FILE]\n"
    "      List the parameter sets and ellipsoids that transform and point know\n"
    "      (the built-in ones, the stored lists of the program folder, and those of\n"
    "      the files given) with their values; the default set is marked.\n";

namespace {

constexpr OptionRule kRules[] = {{"params", 1, true}, {"ellipsoid-file", 1, true}, {"help", 0}};

constexpr std::size_t kLabelWidth = 16;
constexpr int kValueWidth = 16;
// The parameter editor takes values with 7 decimals and epochs with 3.
constexpr int kValueDecimals = 7;
constexpr int kEpochDecimals = 3;
constexpr std::array<std::string_view, 7> kRowLabels = {
    "dx (m)", "dy (m)", "dz (m)", "rx (as)", "ry (as)", "rz (as)", "scale (ppm)"};

std::string padLeft(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

// An unset value shows as "MISSING", as in the parameter viewer.
std::string valueText(double value, int decimals)
{
    if (isUnset(value))
        return padLeft("MISSING", kValueWidth);
    return numtext::fixedBlankPadded(value, kValueWidth, decimals);
}

std::string row(std::string_view label, std::string_view value)
{
    std::string text = "    ";
    text.append(label);
    text.append(kLabelWidth > label.size() ? kLabelWidth - label.size() : 1, ' ');
    text.append(value);
    text.push_back('\n');
    return text;
}

std::string describeSet(const ParameterSet& set, bool isDefault)
{
    std::string status = set.builtIn ? "built in" : "imported";
    status += set.displayed ? ", displayed" : ", not displayed";
    if (!set.valid)
        status += ", NOT VALID";
    if (isDefault)
        status += ", default";
    std::string text = set.name + "  (" + status + ")\n";
    text += row("epoch", valueText(set.epoch, kEpochDecimals));
    text += row("", padLeft("base value", kValueWidth) +
                        padLeft("change per year", kValueWidth + 1));
    for (std::size_t i = 0; i < kRowLabels.size(); ++i) {
        text += row(kRowLabels[i], valueText(set.base[i], kValueDecimals) + " " +
                                       valueText(set.rate[i], kValueDecimals));
    }
    return text;
}

std::string describeEllipsoid(const Ellipsoid& ellipsoid)
{
    // Each value with the decimals it was entered with.
    const auto shown = [](double value, std::int32_t decimals) {
        return isUnset(value) ? std::string("MISSING")
                              : numtext::fixed(value, decimals < 0 ? 0 : decimals);
    };
    std::string status = ellipsoid.builtIn ? "built in" : "imported";
    if (!ellipsoid.valid)
        status += ", NOT VALID";
    std::string text = ellipsoid.name + "  (" + status + ")\n";
    text += row("a (m)", shown(ellipsoid.semiMajorAxis, ellipsoid.semiMajorDecimals));
    text += row("1/f", shown(ellipsoid.inverseFlattening, ellipsoid.flatteningDecimals));
    return text;
}

// Every set in the order of the form's lists (letter case ignored), with
// its status and values, then every ellipsoid in list order.
std::string describeKnownRecords(const KnownRecords& records)
{
    std::vector<const ParameterSet*> sets;
    for (const auto& entry : records.sets)
        sets.push_back(&entry.second);
    std::stable_sort(sets.begin(), sets.end(), [](const ParameterSet* a, const ParameterSet* b) {
        return nameSortsBefore(a->name, b->name);
    });
    const std::string defaultName =
        records.displayedSets.empty() ? std::string() : records.displayedSets.at(0);

    std::string text = "Parameter sets:\n";
    for (const ParameterSet* set : sets)
        text += "\n" + describeSet(*set, !defaultName.empty() && set->name == defaultName);
    text += "\nEllipsoids:\n";
    for (std::size_t i = 0; i < records.ellipsoids.size(); ++i)
        text += "\n" + describeEllipsoid(records.ellipsoids[i]);
    return text;
}

}  // namespace

int runSetsCommand(std::span<const std::string> args, Streams& io)
{
    const ParseOutcome outcome = parseArguments(args, kRules);
    std::string problem = outcome.error;
    if (problem.empty() && !outcome.arguments.positionals.empty())
        problem = "sets takes no file names, not '" + outcome.arguments.positionals.front() + "'";
    if (!problem.empty()) {
        io.err << "tessara-cli sets: " << problem << " (see 'tessara-cli sets --help')\n";
        return kExitUsage;
    }
    if (outcome.arguments.has("help")) {
        io.out << "Usage:\n" << kSetsHelp;
        return kExitSuccess;
    }
    RecordSources sources{commandLineProgramFolder(), {}, {}};
    for (const OptionValue* file : outcome.arguments.all("params"))
        sources.parameterFiles.push_back(file->values.front());
    for (const OptionValue* file : outcome.arguments.all("ellipsoid-file"))
        sources.ellipsoidFiles.push_back(file->values.front());

    StreamNotifier notifier(io.err);
    KnownRecords records;
    if (std::optional<std::string> failure = loadKnownRecords(sources, records, notifier)) {
        io.err << "tessara-cli sets: " << *failure << '\n';
        return kExitUsage;
    }
    io.out << describeKnownRecords(records);
    return kExitSuccess;
}

}  // namespace tessara::cli
