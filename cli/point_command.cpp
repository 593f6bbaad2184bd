#include "cli/point_command.h"

#include "cli/arguments.h"
#include "cli/known_records.h"
#include "cli/option_values.h"
#include "cli/stream_notifier.h"
#include "values/epoch.h"
#include "values/formatting.h"
#include "values/number_text.h"
#include "values/readers.h"

#include <optional>

namespace tessara::cli {

const std::string_view kPointHelp =
    "  point [--reverse] [--set NAME] [--ellipsoid NAME] --epoch TEXT\n"
    "        (--xyz X Y Z | --geo LAT LON HEIGHT [--layout dms|dm|dd|dmshp|dmhp])\n"
    "        [--notation dms|dm|dd|dmshp|dmhp] [--precision DEG,MIN,SEC,XYZ,HT]\n"
    "        [--params FILE] [--ellipsoid-file FILE]\n"
    "      Transform one point as the main form does and print the lines X, Y, Z,\n"
    "      Latitude, Longitude, Height and Epoch with the values as the form shows\n"
    "      them (negative angles with \"-\"). The epoch is dd/mm/yyyy or a decimal\n"
    "      year. LAT and LON are one argument each, with the components of the\n"
    "      layout separated by blanks (\"23 40 12.43134\" for dms, the default);\n"
    "      geographic input is always south and east, as in the form. Defaults as\n"
    "      for transform: ITRF -> GDA94, the first displayed set, GRS80, notation\n"
    "      dms, precision 8,7,5,4,3. Reading and range messages go to standard\n"
    "      error; exit 1 when a value cannot be read (nothing printed) or the\n"
    "      result is out of range (the result is printed), 2 on a usage error.\n";

namespace {

constexpr OptionRule kRules[] = {
    {"reverse", 0},   {"set", 1},      {"ellipsoid", 1},         {"epoch", 1},
    {"xyz", 3},       {"geo", 3},      {"layout", 1},            {"notation", 1},
    {"precision", 1}, {"params", 1, true}, {"ellipsoid-file", 1, true}, {"help", 0},
};

constexpr std::string_view kUnreadableEpoch = "Epoch date cannot be read from (%s)";
constexpr std::size_t kLabelWidth = 11;

void prefixMinus(std::string& text)
{
    // A sign is never doubled.
    if (!text.empty() && text.front() != '-')
        text.insert(0, "-");
}

// The angle as the fields of the notation show it, joined by blanks.
std::string angleText(const AngleTexts& t, AngleNotation notation, bool negative)
{
    std::string first;
    std::string rest;
    switch (notation) {
    case AngleNotation::Dms:
        first = t.degrees;
        rest = " " + t.minutes + " " + t.seconds;
        break;
    case AngleNotation::Dm:
        first = t.dmDegrees;
        rest = " " + t.decimalMinutes;
        break;
    case AngleNotation::Dd:
        first = t.decimalDegrees;
        break;
    case AngleNotation::Dmshp:
        first = t.packedDms;
        break;
    case AngleNotation::Dmhp:
        first = t.packedDm;
        break;
    }
    if (negative)
        prefixMinus(first);
    return first + rest;
}

std::string line(std::string_view label, std::string_view value)
{
    std::string text(label);
    text.append(kLabelWidth - label.size(), ' ');
    text.append(value);
    text.push_back('\n');
    return text;
}

// Reads the geographic input with the reader of the layout; the latitude
// and longitude arguments are cut into components at blanks.
bool readGeographic(PointTransformer& pt, AngleLayout layout, std::string_view latitude,
                    std::string_view longitude)
{
    const AngleComponents lat = SplitAngleField(latitude);
    const AngleComponents lon = SplitAngleField(longitude);
    switch (layout) {
    case AngleLayout::Dms:
    case AngleLayout::DmsOneField:
        return ReadDms(pt, lat.degrees, lat.minutes, lat.seconds, lon.degrees, lon.minutes,
                       lon.seconds);
    case AngleLayout::Dm:
    case AngleLayout::DmOneField:
        return ReadDm(pt, lat.degrees, lat.minutes, lon.degrees, lon.minutes);
    case AngleLayout::Dd:
        return ReadDecimalDegrees(pt, latitude, longitude);
    case AngleLayout::Dmshp:
        return ReadPackedDms(pt, latitude, longitude);
    case AngleLayout::Dmhp:
        return ReadPackedDm(pt, latitude, longitude);
    }
    return false;
}

struct PointOptions {
    bool reverse = false;
    std::optional<std::string> setName;
    std::optional<std::string> ellipsoidName;
    std::string epoch;
    const OptionValue* xyz = nullptr;
    const OptionValue* geo = nullptr;
    AngleLayout layout = AngleLayout::Dms;
    AngleNotation notation = AngleNotation::Dms;
    OutputPrecision precision;
    RecordSources sources;
};

int usageError(Streams& io, const std::string& problem)
{
    io.err << "tessara-cli point: " << problem << '\n';
    return kExitUsage;
}

// The option values, or the text of the first problem.
std::string readOptions(const ParsedArguments& parsed, PointOptions& o)
{
    if (!parsed.positionals.empty())
        return "point takes no file names, not '" + parsed.positionals.front() + "'";
    if (!parsed.has("epoch"))
        return "point needs --epoch";
    if (parsed.has("xyz") == parsed.has("geo"))
        return "point needs either --xyz X Y Z or --geo LAT LON HEIGHT";
    o.reverse = parsed.has("reverse");
    o.setName = parsed.value("set");
    o.ellipsoidName = parsed.value("ellipsoid");
    o.epoch = *parsed.value("epoch");
    if (parsed.has("xyz"))
        o.xyz = parsed.all("xyz").front();
    else
        o.geo = parsed.all("geo").front();
    if (const std::optional<std::string> text = parsed.value("layout")) {
        if (o.xyz)
            return "--layout is for --geo";
        const std::optional<AngleLayout> layout = layoutNamed(*text);
        if (!layout)
            return "--layout takes dms, dm, dd, dmshp or dmhp, not '" + *text + "'";
        o.layout = *layout;
    }
    if (const std::optional<std::string> text = parsed.value("notation")) {
        const std::optional<AngleNotation> notation = notationNamed(*text);
        if (!notation)
            return "--notation takes dms, dm, dd, dmshp or dmhp, not '" + *text + "'";
        o.notation = *notation;
    }
    if (const std::optional<std::string> text = parsed.value("precision")) {
        std::string problem;
        const std::optional<OutputPrecision> precision = readPrecisionList(*text, problem);
        if (!precision)
            return "--precision " + problem + ", not '" + *text + "'";
        o.precision = *precision;
    }
    o.sources.programFolder = commandLineProgramFolder();
    for (const OptionValue* file : parsed.all("params"))
        o.sources.parameterFiles.push_back(file->values.front());
    for (const OptionValue* file : parsed.all("ellipsoid-file"))
        o.sources.ellipsoidFiles.push_back(file->values.front());
    return {};
}

// The seven lines "X", "Y", "Z", "Latitude", "Longitude", "Height",
// "Epoch", each label padded to one column and followed by the value as the
// form shows it after FormatOutputPoint: the angle fields of the notation
// joined by one blank, and "-" in front of the degrees of a negative angle.
std::string pointLines(const PointTransformer& pt, AngleNotation notation)
{
    std::string text = line("X", pt.outputX);
    text += line("Y", pt.outputY);
    text += line("Z", pt.outputZ);
    text += line("Latitude", angleText(pt.outputAngles.latitude, notation,
                                       pt.outputGeographic.latitude < 0));
    text += line("Longitude", angleText(pt.outputAngles.longitude, notation,
                                        pt.outputGeographic.longitude < 0));
    text += line("Height", pt.outputHeight);
    text += line("Epoch", pt.epochText);
    return text;
}

}  // namespace

int runPointCommand(std::span<const std::string> args, Streams& io)
{
    const ParseOutcome outcome = parseArguments(args, kRules);
    if (!outcome.ok())
        return usageError(io, outcome.error + " (see 'tessara-cli point --help')");
    if (outcome.arguments.has("help")) {
        io.out << "Usage:\n" << kPointHelp;
        return kExitSuccess;
    }
    PointOptions options;
    if (const std::string problem = readOptions(outcome.arguments, options); !problem.empty())
        return usageError(io, problem + " (see 'tessara-cli point --help')");

    StreamNotifier notifier(io.err);
    KnownRecords records;
    if (std::optional<std::string> problem = loadKnownRecords(options.sources, records, notifier))
        return usageError(io, *problem);
    const SetChoice set = chooseParameterSet(records, options.setName);
    if (!set.error.empty())
        return usageError(io, set.error);
    const EllipsoidChoice ellipsoid = chooseEllipsoid(records, options.ellipsoidName);
    if (!ellipsoid.error.empty())
        return usageError(io, ellipsoid.error);

    // Compute as the form runs it: the set and ellipsoid, the epoch, the
    // input; the transformation only when nothing was rejected.
    PointTransformer pt;
    pt.parameters = set.set;
    pt.ellipsoid = ellipsoid.ellipsoid;
    if (!ReadEpoch(pt, options.epoch, EpochMode::Automatic) && pt.messages.empty()) {
        // An epoch of 0 (or nothing) reads without a message but is no
        // epoch: the point would be moved by the rates of the year 0.
        pt.messages.push_back(numtext::format(kUnreadableEpoch, {options.epoch}));
    }
    if (options.xyz) {
        const std::vector<std::string>& v = options.xyz->values;
        pt.inputIsCartesian = true;
        ReadCartesian(pt, v[0], v[1], v[2]);
    } else {
        const std::vector<std::string>& v = options.geo->values;
        readGeographic(pt, options.layout, v[0], v[1]);
        // The form's sides under the Australian convention: south and east.
        ApplyInputHemisphere(pt, 0, 0);
        ReadHeight(pt, v[2]);
    }
    if (!pt.messages.empty()) {
        for (const std::string& message : pt.messages)
            io.err << message << '\n';
        return kExitFailure;
    }

    pt.GeographicToCartesian();
    pt.Transform(options.reverse ? Direction::Gda94ToItrf : Direction::ItrfToGda94);
    pt.CartesianToGeographic();
    const int rangeMessages = pt.CheckGeographicRange();
    // The form shows the result also when it is out of range.
    FormatOutputPoint(pt, options.precision);
    io.out << pointLines(pt, options.notation);
    for (const std::string& message : pt.messages)
        io.err << message << '\n';
    return rangeMessages > 0 ? kExitFailure : kExitSuccess;
}

}  // namespace tessara::cli
