#include "cli/params_command.h"

#include "cli/arguments.h"
#include "cli/record_builder.h"
#include "cli/record_report.h"
#include "cli/stream_notifier.h"
#include "program/program_paths.h"
#include "program/startup_loading.h"
#include "params/ellipsoid_entry.h"
#include "params/ellipsoid_file.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_menu.h"
#include "params/file_error.h"
#include "params/file_source.h"
#include "params/name_list.h"
#include "params/parameter_file.h"
#include "params/parameter_list_file.h"
#include "params/record_codec.h"

#include <algorithm>
#include <cerrno>
#include <utility>

namespace tessara::cli {

const std::string_view kParamsHelp =
    "  params show FILE\n"
    "      Print the record of a .params or .ellipsoid file and whether its\n"
    "      checksum matches (exit 1 when it does not, or the file is not one).\n"
    "  params new-set --name NAME --epoch YEAR --base dx,dy,dz,rx,ry,rz,sc\n"
    "                 --rates ddx,ddy,ddz,drx,dry,drz,dsc OUTPUT.params\n"
    "      Write a parameter file: translations in metres, rotations in\n"
    "      arc-seconds, scale in ppm, and their changes per year.\n"
    "  params new-ellipsoid --name NAME --a A --inverse-flattening F OUTPUT.ellipsoid\n"
    "      Write an ellipsoid file; a and 1/f keep the decimals they are given with.\n"
    "  params import FILE...\n"
    "      Add the set of each .params file or the ellipsoid of each .ellipsoid\n"
    "      file to the stored lists of the program folder, as Parameters > Import\n"
    "      (with Save) and Ellipsoid > Import do; the only command that writes to\n"
    "      them. Exit 1 when a file holds no valid record, 2 on a file error.\n";

namespace {

enum class FileKind { Parameters, Ellipsoid };

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           equalIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

// The kind of file from its marker; a file with neither marker is taken by
// its extension, so that its wrong marker is reported in the right words.
FileKind guessKind(const std::string& path)
{
    FileSource file;
    if (file.open(path) == FileSource::OpenResult::Opened) {
        std::string head(kParameterMarker.size(), '\0');
        head.resize(file.read(head.data(), head.size()));
        if (head.starts_with(kEllipsoidMarker))
            return FileKind::Ellipsoid;
        if (head.starts_with(kParameterMarker))
            return FileKind::Parameters;
    }
    return endsWithIgnoringCase(path, ".ellipsoid") ? FileKind::Ellipsoid : FileKind::Parameters;
}

int usageError(Streams& io, const std::string& problem)
{
    io.err << "tessara-cli: " << problem << "\n"
           << "Usage:\n"
           << kParamsHelp;
    return kExitUsage;
}

// Parses the arguments of one action; false (after reporting) on a usage
// error or when help was asked for.
bool parseAction(std::span<const std::string> args, std::span<const OptionRule> rules,
                 std::size_t positionals, std::string_view action, Streams& io,
                 ParsedArguments& parsed, int& exitCode)
{
    ParseOutcome outcome = parseArguments(args, rules);
    if (outcome.ok() && outcome.arguments.has("help")) {
        io.out << "Usage:\n" << kParamsHelp;
        exitCode = kExitSuccess;
        return false;
    }
    if (outcome.ok() && outcome.arguments.positionals.size() != positionals)
        outcome.error = "params " + std::string(action) + " needs exactly one file name";
    for (const OptionRule& rule : rules) {
        if (outcome.ok() && rule.name != "help" && !outcome.arguments.has(rule.name))
            outcome.error = "params " + std::string(action) + " needs --" + std::string(rule.name);
    }
    if (!outcome.ok()) {
        exitCode = usageError(io, outcome.error);
        return false;
    }
    parsed = std::move(outcome.arguments);
    return true;
}

int finishRead(const RecordFileRead& read, const std::string& path, Streams& io)
{
    if (!read.found) {
        io.err << fileErrorText(path, ENOENT) << '\n';
        return kExitUsage;
    }
    if (read.fileError)
        return kExitUsage;
    return read.markerMatches && read.checksumMatches ? kExitSuccess : kExitFailure;
}

int runShow(std::span<const std::string> args, Streams& io)
{
    static constexpr OptionRule kRules[] = {{"help", 0}};
    ParsedArguments parsed;
    int exitCode = kExitSuccess;
    if (!parseAction(args, kRules, 1, "show", io, parsed, exitCode))
        return exitCode;
    const std::string& path = parsed.positionals.front();
    StreamNotifier notifier(io.err);
    if (guessKind(path) == FileKind::Ellipsoid) {
        Ellipsoid ellipsoid;
        const RecordFileRead read = readEllipsoidFileInEditor(path, ellipsoid, notifier);
        if (read.markerMatches && !read.fileError)
            io.out << "File:         " << path << '\n' << describeEllipsoid(ellipsoid, read);
        return finishRead(read, path, io);
    }
    ParameterSet set;
    const RecordFileRead read = readParameterFileInEditor(path, set, notifier);
    if (read.markerMatches && !read.fileError)
        io.out << "File:         " << path << '\n' << describeParameterSet(set, read);
    return finishRead(read, path, io);
}

int runNewSet(std::span<const std::string> args, Streams& io)
{
    static constexpr OptionRule kRules[] = {
        {"name", 1}, {"epoch", 1}, {"base", 1}, {"rates", 1}, {"help", 0}};
    ParsedArguments parsed;
    int exitCode = kExitSuccess;
    if (!parseAction(args, kRules, 1, "new-set", io, parsed, exitCode))
        return exitCode;
    Built<ParameterSet> built = buildParameterSet(*parsed.value("name"), *parsed.value("epoch"),
                                                  *parsed.value("base"), *parsed.value("rates"));
    if (!built.ok()) {
        io.err << kParametersNotValidForSaving << '\n' << built.problem << '\n';
        return kExitUsage;
    }
    StreamNotifier notifier(io.err);
    return writeParameterFile(parsed.positionals.front(), built.record, notifier) ? kExitSuccess
                                                                                 : kExitUsage;
}

int runNewEllipsoid(std::span<const std::string> args, Streams& io)
{
    static constexpr OptionRule kRules[] = {
        {"name", 1}, {"a", 1}, {"inverse-flattening", 1}, {"help", 0}};
    ParsedArguments parsed;
    int exitCode = kExitSuccess;
    if (!parseAction(args, kRules, 1, "new-ellipsoid", io, parsed, exitCode))
        return exitCode;
    Built<Ellipsoid> built = buildEllipsoid(*parsed.value("name"), *parsed.value("a"),
                                            *parsed.value("inverse-flattening"));
    if (!built.ok()) {
        io.err << kEllipsoidNotValidForSaving << '\n' << built.problem << '\n';
        return kExitUsage;
    }
    StreamNotifier notifier(io.err);
    return writeEllipsoidFile(parsed.positionals.front(), built.record, notifier) ? kExitSuccess
                                                                                 : kExitUsage;
}

// One .params file into the stored list of sets: the checks of the
// program's import, and the save that follows the check dialog's Save, which
// only a valid set gets.
int importParameterFile(const std::string& path, const std::string& listPath, Streams& io,
                        Notifier& notifier)
{
    ParameterSet set;
    const RecordFileRead read = readParameterFileInProgram(path, set, notifier);
    if (!read.found) {
        io.err << fileErrorText(path, ENOENT) << '\n';
        return kExitUsage;
    }
    if (read.fileError)
        return kExitUsage;
    if (!set.valid) {
        io.err << path << ": the parameter set is not valid; it was not imported\n";
        return kExitFailure;
    }
    if (!appendStoredSet(listPath, set, notifier))
        return kExitUsage;
    io.out << "Imported set " << set.name << " from " << path << '\n';
    return kExitSuccess;
}

int importEllipsoid(const std::string& path, EllipsoidList& list, EllipsoidMenu& menu,
                    const std::string& listPath, Streams& io, Notifier& notifier)
{
    switch (importEllipsoidFile(path, list, menu, listPath, notifier)) {
    case EllipsoidImport::Saved:
        io.out << "Imported the ellipsoid of " << path << '\n';
        return kExitSuccess;
    case EllipsoidImport::Refused:
        return kExitFailure;
    case EllipsoidImport::NotSaved:
    case EllipsoidImport::FileError:
        break;
    }
    return kExitUsage;
}

int runImport(std::span<const std::string> args, Streams& io)
{
    static constexpr OptionRule kRules[] = {{"help", 0}};
    ParseOutcome outcome = parseArguments(args, kRules);
    if (outcome.ok() && outcome.arguments.has("help")) {
        io.out << "Usage:\n" << kParamsHelp;
        return kExitSuccess;
    }
    if (outcome.ok() && outcome.arguments.positionals.empty())
        outcome.error = "params import needs at least one file name";
    if (!outcome.ok())
        return usageError(io, outcome.error);

    // The one command that writes to the stored lists: the program folder
    // is chosen, and made when it is the per-user one, as the desktop
    // program does at start-up.
    const std::string program = runningProgramPath();
    const StartupPaths paths = makeStartupPaths(program, locateProgramFolder(program));
    StreamNotifier notifier(io.err);
    // An ellipsoid replaces the stored one of its name in place and may not
    // replace the built-in one, so the list is loaded as the program has it.
    EllipsoidList ellipsoids;
    EllipsoidMenu menu;
    CurrentEllipsoids current;
    LoadEllipsoids(ellipsoids, menu, current, true, {}, paths.ellipsoidListPath, notifier);

    int status = kExitSuccess;
    for (const std::string& path : outcome.arguments.positionals) {
        const int fileStatus =
            guessKind(path) == FileKind::Ellipsoid
                ? importEllipsoid(path, ellipsoids, menu, paths.ellipsoidListPath, io, notifier)
                : importParameterFile(path, paths.parameterListPath, io, notifier);
        // A file error outweighs a file that is not valid.
        status = std::max(status, fileStatus);
    }
    return status;
}

}  // namespace

int runParamsCommand(std::span<const std::string> args, Streams& io)
{
    if (args.empty())
        return usageError(io, "params needs an action: show, new-set, new-ellipsoid or import");
    const std::string& action = args.front();
    const std::span<const std::string> rest = args.subspan(1);
    if (action == "show")
        return runShow(rest, io);
    if (action == "new-set")
        return runNewSet(rest, io);
    if (action == "new-ellipsoid")
        return runNewEllipsoid(rest, io);
    if (action == "import")
        return runImport(rest, io);
    if (action == "--help" || action == "-h") {
        io.out << "Usage:\n" << kParamsHelp;
        return kExitSuccess;
    }
    return usageError(io, "unknown params action '" + action + "'");
}

}  // namespace tessara::cli
