#include "cli/detect_command.h"

#include "cli/transform_command.h"
#include "filetransform/convert_checks.h"
#include "filetransform/file_io.h"
#include "filetransform/file_transformer.h"
#include "values/number_text.h"

#include <optional>

namespace tessara::cli {

const std::string_view kDetectHelp =
    "  detect FILE\n"
    "      Show the first 20 lines of a point file (\"-\": standard input) split\n"
    "      into fields, numbered from 1 as transform counts them, and the layout\n"
    "      transform would take without --type and --fields. Exit 0 when a\n"
    "      layout was found, 1 when none was, 2 on a usage or file error.\n";

namespace {

int detectError(Streams& io, const std::string& problem)
{
    io.err << "tessara-cli detect: " << problem << '\n';
    return kExitUsage;
}

}  // namespace

int runDetectCommand(std::span<const std::string> args, Streams& io)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        io.out << "Usage:\n" << kDetectHelp;
        return kExitSuccess;
    }
    if (args.size() != 1)
        return detectError(io, "detect takes one FILE (see 'tessara-cli detect --help')");
    const std::string& path = args[0];
    const bool standardInput = path == "-";
    LineReader reader = standardInput ? LineReader(0) : LineReader::open(path);
    const std::string name = standardInput ? std::string(kStandardInputName) : path;
    if (!reader.isOpen())
        return detectError(io, name + ": " + errorText(reader.error()));
    const FilePreview preview = previewLines(reader.peekLines(kPreviewLineCount));
    if (reader.error() != 0)
        return detectError(io, name + ": " + errorText(reader.error()));
    if (reader.problem() != InputProblem::None) {
        return detectError(io, inputProblemText(reader.problem(), name,
                                                static_cast<long>(preview.lines.size()) + 1));
    }
    if (preview.lines.empty()) {
        io.out << kNoRecordsNote << '\n';
        return kExitFailure;
    }

    // Each line's fields, numbered as the options number them.
    for (std::size_t i = 0; i < preview.rows.size(); ++i) {
        std::string row = "Line " + numtext::integer(static_cast<long>(i) + 1) + ":";
        for (std::size_t k = 0; k < preview.rows[i].size(); ++k) {
            row += k == 0 ? "  " : "  |  ";
            row += numtext::integer(static_cast<long>(k) + 1) + "=" + preview.rows[i][k];
        }
        io.out << row << '\n';
    }
    if (!preview.detected) {
        io.out << "Proposed: nothing detected; describe the layout with --type and --fields"
               << " (and --layout for geo)\n";
        return kExitFailure;
    }
    const DetectionChoice choice = choiceFromDetection(*preview.detected);
    io.out << "Proposed: " << describeFormat(choice.format, false) << '\n';
    if (choice.confirmLayout)
        io.out << "Confirm Format: " << kConfirmDecimalDegreesNote << '\n';
    return kExitSuccess;
}

}  // namespace tessara::cli
