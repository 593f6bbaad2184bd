#include "cli/transform_command.h"

#include "cli/arguments.h"
#include "cli/interrupt_guard.h"
#include "cli/known_records.h"
#include "cli/option_values.h"
#include "cli/stream_notifier.h"
#include "filetransform/convert_checks.h"
#include "filetransform/file_io.h"
#include "filetransform/file_transformer.h"
#include "values/number_text.h"

#include <algorithm>
#include <utility>

namespace tessara::cli {

const std::string_view kTransformHelp =
    "  transform [OPTIONS] INPUT [OUTPUT]\n"
    "      Transform a point file. \"-\" is standard input or output; without OUTPUT\n"
    "      the records go to standard output. The messages (the file names, failing\n"
    "      lines, the summary) go to standard error. Exit 0 when every record was\n"
    "      transformed, 1 when some failed, 2 on a usage or file error.\n"
    "      The file's layout is detected from its first 20 lines as the file dialog\n"
    "      detects it; these options override what was detected (field numbers\n"
    "      count from 1):\n"
    "        --type xyz|geo             coordinate type (default: detected)\n"
    "        --fields A,B,C             X,Y,Z or latitude,longitude,height fields;\n"
    "                                   C may be none for geo (default: detected)\n"
    "        --layout dms|dd|dm|dmshp|dmhp|dms1|dm1\n"
    "                                   angle layout of geo files: dms/dm in 3/2\n"
    "                                   fields, dms1/dm1 in one field, dd, packed\n"
    "                                   dmshp/dmhp (default: detected)\n"
    "        --id-field N|none          identifier field (default: detected)\n"
    "        --epoch TEXT               one epoch for the file, dd/mm/yyyy or\n"
    "                                   decimal year (default: none)\n"
    "        --epoch-field N            the epoch of each record from field N\n"
    "                                   (default: detected; one of the two is needed)\n"
    "        --input-hemisphere aust|sign|letter\n"
    "                                   signs of input angles (default aust: every\n"
    "                                   point south and east)\n"
    "      Transformation:\n"
    "        --reverse                  GDA94 -> ITRF (default ITRF -> GDA94)\n"
    "        --set NAME                 parameter set (default: the first displayed\n"
    "                                   set, sorted)\n"
    "        --ellipsoid NAME           ellipsoid (default GRS80)\n"
    "        --params FILE              add the set of a .params file (repeatable)\n"
    "        --ellipsoid-file FILE      add the ellipsoid of an .ellipsoid file\n"
    "                                   (repeatable)\n"
    "      Output:\n"
    "        --output geo|xyz|geo,xyz   content of the records (default geo,xyz)\n"
    "        --notation dms|dm|dd|dmshp|dmhp\n"
    "                                   angle notation (default dms)\n"
    "        --hemisphere aust|sign|letter\n"
    "                                   hemisphere of output angles (default aust)\n"
    "        --precision DEG,MIN,SEC,XYZ,HT\n"
    "                                   decimals, at most 8,7,5,4,3 (default\n"
    "                                   8,7,5,4,3)\n"
    "        --csv                      comma-separated records (default: only when\n"
    "                                   OUTPUT ends in .csv, in any case)\n"
    "        --no-header                no header (default: header)\n"
    "        --progress                 progress bar on standard error when it is a\n"
    "                                   terminal; --progress=always draws it anyway\n"
    "                                   (default: none)\n"
    "        --quiet                    no \"Detected:\" line (by default, when any of\n"
    "                                   the layout was detected, one line on standard\n"
    "                                   error says what was taken)\n"
    "      Ctrl+C (SIGINT) or SIGTERM stops a run: a named OUTPUT stays as it was\n"
    "      (exit 130 or 143); OUTPUT is replaced only when the run completes.\n";

const std::string_view kConfirmDecimalDegreesNote =
    "the angles were taken as decimal degrees (dd); packed files look the same: give --layout "
    "dmshp or dmhp for them";

namespace {

constexpr std::string_view kProgressOption = "--progress";

constexpr OptionRule kRules[] = {
    {"reverse", 0},        {"set", 1},        {"epoch", 1},
    {"epoch-field", 1},    {"type", 1},       {"layout", 1},
    {"id-field", 1},       {"fields", 1},     {"input-hemisphere", 1},
    {"output", 1},         {"notation", 1},   {"hemisphere", 1},
    {"precision", 1},      {"csv", 0},        {"no-header", 0},
    {"ellipsoid", 1},      {"params", 1, true}, {"ellipsoid-file", 1, true},
    {"progress", 0},       {"quiet", 0},      {"help", 0},
};

// Takes "--progress=WHEN" out of the arguments (leaving "--progress"), as
// the argument parser gives flags no value. Values of other options are
// stepped over, so that a value that happens to read "--progress=..." stays
// a value.
std::vector<std::string> takeProgressMode(std::span<const std::string> args, ProgressMode& mode,
                                          std::string& error)
{
    std::vector<std::string> rest;
    rest.reserve(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        if (arg.starts_with(std::string(kProgressOption) + "=")) {
            const std::string_view when = std::string_view(arg).substr(kProgressOption.size() + 1);
            if (when == "always")
                mode = ProgressMode::Always;
            else if (when == "auto")
                mode = ProgressMode::WhenTerminal;
            else
                error = "--progress takes always or auto after '=', not '" + std::string(when) +
                        "'";
            rest.emplace_back(kProgressOption);
            continue;
        }
        rest.push_back(arg);
        if (!arg.starts_with("--") || arg.find('=') != std::string::npos)
            continue;
        const std::string_view name = std::string_view(arg).substr(2);
        const auto rule = std::find_if(std::begin(kRules), std::end(kRules),
                                       [name](const OptionRule& s) { return s.name == name; });
        if (rule == std::end(kRules))
            continue;
        for (int v = 0; v < rule->valueCount && i + 1 < args.size(); ++v)
            rest.push_back(args[++i]);
    }
    return rest;
}

// One option whose value must be one of a few names.
template <typename T, typename Reader>
void readNamed(const ParsedArguments& parsed, std::string_view name, Reader read,
               std::string_view accepted, std::optional<T>& out, std::string& error)
{
    const std::optional<std::string> text = parsed.value(name);
    if (!text || !error.empty())
        return;
    out = read(*text);
    if (!out)
        error = "--" + std::string(name) + " takes " + std::string(accepted) + ", not '" + *text +
                "'";
}

void readFields(const ParsedArguments& parsed, TransformOptions& o, std::string& error)
{
    const std::optional<std::string> text = parsed.value("fields");
    if (!text || !error.empty())
        return;
    const std::vector<std::string_view> parts = splitCommas(*text);
    std::array<int, 3> fields{};
    bool ok = parts.size() == fields.size();
    for (std::size_t i = 0; ok && i < fields.size(); ++i) {
        // Only the height may be left out.
        const std::optional<int> field = readFieldNumber(parts[i], i == 2);
        ok = field.has_value();
        if (ok)
            fields[i] = *field;
    }
    if (!ok) {
        error = "--fields takes three field numbers A,B,C counted from 1 (C may be none), not '" +
                *text + "'";
        return;
    }
    o.fields = fields;
}

void readFieldOption(const ParsedArguments& parsed, std::string_view name, bool noneAllowed,
                     std::optional<int>& out, std::string& error)
{
    const std::optional<std::string> text = parsed.value(name);
    if (!text || !error.empty())
        return;
    out = readFieldNumber(*text, noneAllowed);
    if (!out)
        error = "--" + std::string(name) + " takes a field number counted from 1" +
                (noneAllowed ? " or none" : "") + ", not '" + *text + "'";
}

std::string streamName(const std::string& path, std::string_view standardName)
{
    return path.empty() || path == "-" ? std::string(standardName) : path;
}

int usageError(Streams& io, const std::string& problem)
{
    io.err << "tessara-cli transform: " << problem << '\n';
    return kExitUsage;
}

}  // namespace

TransformParse parseTransformArguments(std::span<const std::string> args)
{
    TransformParse result;
    TransformOptions& o = result.options;
    std::string& error = result.error;
    const std::vector<std::string> rest = takeProgressMode(args, o.progress, error);
    if (!error.empty())
        return result;
    ParseOutcome outcome = parseArguments(rest, kRules);
    if (!outcome.ok()) {
        error = outcome.error;
        return result;
    }
    const ParsedArguments& parsed = outcome.arguments;
    if (parsed.has("help")) {
        o.help = true;
        return result;
    }

    const std::vector<std::string>& files = parsed.positionals;
    if (files.empty())
        error = "transform needs an INPUT file (\"-\" for standard input)";
    else if (files.size() > 2)
        error = "transform takes INPUT and OUTPUT only, not '" + files[2] + "'";
    if (!error.empty())
        return result;
    o.input = files[0];
    o.output = files.size() > 1 ? files[1] : std::string();

    if (parsed.has("reverse"))
        o.direction = FileDirection::Gda94ToItrf;
    o.setName = parsed.value("set");
    o.ellipsoidName = parsed.value("ellipsoid");
    o.epoch = parsed.value("epoch");
    if (o.epoch && parsed.has("epoch-field"))
        error = "give either --epoch or --epoch-field, not both";
    readFieldOption(parsed, "epoch-field", false, o.epochField, error);
    readFieldOption(parsed, "id-field", true, o.identifierField, error);
    readFields(parsed, o, error);
    readNamed(parsed, "type", coordinateTypeNamed, "xyz or geo", o.type, error);
    readNamed(parsed, "layout", layoutNamed, "dms, dd, dm, dmshp, dmhp, dms1 or dm1", o.layout,
              error);

    std::optional<FileHemisphereStyle> inputHemisphere;
    readNamed(parsed, "input-hemisphere", hemisphereNamed, "aust, sign or letter",
              inputHemisphere, error);
    o.inputHemisphere = inputHemisphere.value_or(FileHemisphereStyle::Australian);

    OutputFileFormat& out = o.outputFormat;
    std::optional<OutputParts> parts;
    readNamed(parsed, "output", outputPartsNamed, "geo, xyz or geo,xyz", parts, error);
    if (parts) {
        out.geographic = parts->geographic;
        out.cartesian = parts->cartesian;
    }
    std::optional<AngleNotation> notation;
    readNamed(parsed, "notation", notationNamed, "dms, dm, dd, dmshp or dmhp", notation, error);
    out.notation = notation.value_or(AngleNotation::Dms);
    std::optional<FileHemisphereStyle> hemisphere;
    readNamed(parsed, "hemisphere", hemisphereNamed, "aust, sign or letter", hemisphere, error);
    out.hemisphere = hemisphere.value_or(FileHemisphereStyle::Australian);
    if (const std::optional<std::string> text = parsed.value("precision"); text && error.empty()) {
        std::string problem;
        if (std::optional<OutputPrecision> precision = readPrecisionList(*text, problem))
            out.precision = *precision;
        else
            error = "--precision " + problem + ", not '" + *text + "'";
    }
    out.includeHeader = !parsed.has("no-header");
    o.commaSeparated = parsed.has("csv");
    o.quiet = parsed.has("quiet");

    for (const OptionValue* file : parsed.all("params"))
        o.parameterFiles.push_back(file->values.front());
    for (const OptionValue* file : parsed.all("ellipsoid-file"))
        o.ellipsoidFiles.push_back(file->values.front());
    // A plain --progress is the terminal-only bar unless "=always" forced it.
    if (parsed.has("progress") && o.progress == ProgressMode::Off)
        o.progress = ProgressMode::WhenTerminal;
    return result;
}

FormatOutcome formatChoiceFor(const TransformOptions& options,
                              const std::optional<DetectedFormat>& detected,
                              FileFormatChoice start)
{
    FormatOutcome outcome;
    FileFormatChoice& f = outcome.format;
    bool confirmLayout = false;
    if (detected) {
        DetectionChoice choice = choiceFromDetection(*detected, std::move(start));
        f = std::move(choice.format);
        confirmLayout = choice.confirmLayout;
    } else if (options.type && options.fields) {
        f = std::move(start);
        f.coordinateType = *options.type;
        f.epochSource = EpochSource::SetDate;
    } else {
        outcome.error = "no point layout was detected in the first " +
                        numtext::integer(static_cast<long>(kPreviewLineCount)) +
                        " lines: describe it with --type and --fields (and --layout for geo)";
        return outcome;
    }

    if (options.type && *options.type != f.coordinateType) {
        // Detected fields of the other type would be read as the wrong values.
        if (!options.fields) {
            outcome.error = std::string("the file looks ") +
                            (f.coordinateType == CoordinateType::Cartesian ? "cartesian"
                                                                           : "geographic") +
                            ": give --fields with --type";
            return outcome;
        }
        f.coordinateType = *options.type;
        f.angleLayout.reset();
        confirmLayout = false;
    }
    if (options.fields) {
        f.field1 = (*options.fields)[0];
        f.field2 = (*options.fields)[1];
        f.field3 = (*options.fields)[2];
    }
    if (f.coordinateType == CoordinateType::Cartesian) {
        if (options.layout) {
            outcome.error = "--layout is for geographic files (--type geo)";
            return outcome;
        }
        // Only a height may be left out.
        if (f.field3 < 0) {
            outcome.error = "--fields needs a Z field for cartesian files";
            return outcome;
        }
        f.angleLayout.reset();
    } else if (options.layout) {
        f.angleLayout = options.layout;
        confirmLayout = false;
    }
    if (f.coordinateType == CoordinateType::Geographic && !f.angleLayout) {
        outcome.error = "geographic coordinates need --layout (dms, dd, dm, dmshp, dmhp, dms1 or "
                        "dm1)";
        return outcome;
    }
    if (options.identifierField)
        f.identifierField = *options.identifierField;

    if (options.epoch) {
        f.epochSource = EpochSource::SetDate;
        f.setDate = *options.epoch;
        f.epochTextForm = EpochMode::Automatic;
        f.epochField = -1;
    } else if (options.epochField) {
        f.epochSource = EpochSource::EachRecord;
        f.epochField = *options.epochField;
    } else if (f.epochSource == EpochSource::SetDate) {
        outcome.error = "the file has no epoch field: give --epoch (or --epoch-field)";
        return outcome;
    }
    if (std::optional<std::string> reason = refusalReason(f)) {
        outcome.error = f.epochSource == EpochSource::SetDate ? "--epoch: " + *reason : *reason;
        return outcome;
    }
    if (confirmLayout)
        outcome.note = std::string(kConfirmDecimalDegreesNote);
    outcome.detectionUsed =
        detected && !(options.type && options.fields && options.identifierField &&
                      (options.epoch || options.epochField) &&
                      (f.coordinateType == CoordinateType::Cartesian || options.layout));
    return outcome;
}

std::string describeFormat(const FileFormatChoice& f, bool epochOption)
{
    const auto number = [](int field) {
        return field < 0 ? std::string("none") : numtext::integer(static_cast<long>(field) + 1);
    };
    std::string text;
    if (f.coordinateType == CoordinateType::Cartesian) {
        text = "cartesian";
    } else {
        text = "geographic";
        if (f.angleLayout)
            text.append(" ").append(layoutName(*f.angleLayout));
    }
    text += ", fields " + number(f.field1) + "," + number(f.field2) + "," + number(f.field3);
    text += f.identifierField < 0 ? ", no identifier"
                                  : ", identifier " + number(f.identifierField);
    if (f.epochSource == EpochSource::EachRecord)
        text += ", epoch from field " + number(f.epochField);
    else if (epochOption)
        text += ", epoch from --epoch";
    else
        text += ", no epoch in the records (give --epoch)";
    return text;
}

TransformPlan planTransform(const TransformOptions& options, const KnownRecords& records,
                            const std::optional<DetectedFormat>& detected)
{
    TransformPlan plan;
    SetChoice set = chooseParameterSet(records, options.setName);
    EllipsoidChoice ellipsoid = chooseEllipsoid(records, options.ellipsoidName);
    plan.error = !set.error.empty() ? set.error : ellipsoid.error;
    if (!plan.ok())
        return plan;

    FileFormatChoice start;
    start.direction = options.direction;
    start.parameterSetName = set.set.name;
    FormatOutcome format = formatChoiceFor(options, detected, std::move(start));
    plan.error = std::move(format.error);
    plan.note = std::move(format.note);
    plan.detectionUsed = format.detectionUsed;
    if (!plan.ok())
        return plan;

    FileRunSettings& settings = plan.settings;
    settings.inputPath = streamName(options.input, kStandardInputName);
    settings.outputPath = streamName(options.output, kStandardOutputName);
    settings.format = std::move(format.format);
    settings.output = options.outputFormat;
    settings.inputHemisphere = options.inputHemisphere;
    settings.parameters = std::move(set.set);
    settings.ellipsoid = std::move(ellipsoid.ellipsoid);
    if (options.commaSeparated)
        settings.commaSeparated = true;
    return plan;
}

int runTransform(std::span<const std::string> args, Streams& io, const ProcessStreams& process)
{
    const TransformParse parse = parseTransformArguments(args);
    if (!parse.ok())
        return usageError(io, parse.error + " (see 'tessara-cli transform --help')");
    const TransformOptions& options = parse.options;
    if (options.help) {
        io.out << "Usage:\n" << kTransformHelp;
        return kExitSuccess;
    }

    StreamNotifier notifier(io.err);
    KnownRecords records;
    RecordSources sources{commandLineProgramFolder(), options.parameterFiles,
                          options.ellipsoidFiles};
    if (std::optional<std::string> problem = loadKnownRecords(sources, records, notifier))
        return usageError(io, *problem);

    // The input is opened once: the detection reads its first lines from the
    // buffer, and the run goes on from the same stream, so that pipes and
    // /dev/fd work as files do.
    const bool fromStandardInput = options.input == "-";
    const std::string inputName = streamName(options.input, kStandardInputName);
    // Ctrl+C or SIGTERM stops the command cleanly from here on, also while
    // it waits for the first lines of a pipe.
    const InterruptGuard interrupt;
    const auto interrupted = [&interrupt] { return interrupt.signal() != 0; };
    LineReader input =
        fromStandardInput ? LineReader(process.input) : LineReader::open(options.input);
    if (!input.isOpen())
        return usageError(io, inputName + ": " + errorText(input.error()));
    input.setInterruptCheck(interrupted);
    const FilePreview preview = previewLines(input.peekLines(kPreviewLineCount));
    if (interrupted()) {
        io.err << "tessara-cli transform: cancelled; no output was written\n";
        return kExitSignalBase + interrupt.signal();
    }
    if (input.error() != 0)
        return usageError(io, inputName + ": " + errorText(input.error()));
    if (input.problem() != InputProblem::None) {
        return usageError(io, inputProblemText(input.problem(), inputName,
                                               static_cast<long>(preview.lines.size()) + 1));
    }
    TransformPlan plan = planTransform(options, records, preview.detected);
    if (!plan.ok())
        return usageError(io, plan.error);
    if (plan.detectionUsed && !options.quiet) {
        io.err << "Detected: " << describeFormat(plan.settings.format, options.epoch.has_value())
               << '\n';
    }
    if (!plan.note.empty() && !options.quiet)
        io.err << "tessara-cli transform: note: " << plan.note << '\n';

    const bool showProgress =
        options.progress == ProgressMode::Always ||
        (options.progress == ProgressMode::WhenTerminal && isTerminal(process.error));
    ProgressBar bar(io.err, terminalWidth(process.error));
    FileRunCallbacks callbacks;
    callbacks.message = [&](std::string_view line) {
        bar.makeRoomForLine();
        io.err << line << '\n';
    };
    if (showProgress)
        callbacks.progress = [&bar](const FileRunProgress& progress) { bar.update(progress); };

    callbacks.cancelled = interrupted;

    FileRunStreams streams;
    streams.input = &input;
    if (options.output.empty() || options.output == "-") {
        // The records go straight to the descriptor, after anything written before.
        io.out.flush();
        streams.outputDescriptor = process.output;
    }
    FileTransformer run(std::move(plan.settings), std::move(callbacks));
    const FileRunResult result = run.Run(streams);
    bar.finish();
    if (result.status == FileRunStatus::Cancelled)
        return kExitSignalBase + interrupt.signal();
    if (result.status != FileRunStatus::Completed)
        return kExitUsage;
    return result.errors > 0 ? kExitFailure : kExitSuccess;
}

int runTransformCommand(std::span<const std::string> args, Streams& io)
{
    return runTransform(args, io, ProcessStreams{});
}

}  // namespace tessara::cli
