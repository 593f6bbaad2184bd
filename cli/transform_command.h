#pragma once

#include "cli/command.h"
#include "cli/known_records.h"
#include "cli/progress_bar.h"
#include "filetransform/file_format.h"
#include "filetransform/file_output.h"
#include "filetransform/file_transformer.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessara::cli {

// "transform [options] INPUT [OUTPUT]": a point file run as the file dialog
// sets it up, with the layout detected from the file's first lines unless
// the options describe it.
int runTransformCommand(std::span<const std::string> args, Streams& io);

extern const std::string_view kTransformHelp;

// The names a run shows for the standard streams, in the header and the
// message lines.
inline constexpr std::string_view kStandardInputName = "(standard input)";
inline constexpr std::string_view kStandardOutputName = "(standard output)";

// Decimal degrees were detected, which packed files look like too.
extern const std::string_view kConfirmDecimalDegreesNote;

// A run's layout in the words of the options, for example "geographic dd,
// fields 2,3,4, identifier 1, epoch from field 5" (fields counted from 1).
// `epochOption`: a set date came from --epoch.
std::string describeFormat(const FileFormatChoice& format, bool epochOption);

// What the command line says, values read but nothing looked up or opened.
// Field numbers count from 0 here (the command line counts from 1).
struct TransformOptions {
    std::string input;   // "-": standard input
    std::string output;  // "-" or empty: standard output
    FileDirection direction = FileDirection::ItrfToGda94;
    std::optional<std::string> setName;
    std::optional<std::string> ellipsoidName;
    std::optional<std::string> epoch;   // one epoch for the file
    std::optional<int> epochField;      // or an epoch in each record
    std::optional<CoordinateType> type;
    std::optional<AngleLayout> layout;
    std::optional<int> identifierField;  // -1: none
    std::optional<std::array<int, 3>> fields;  // the third -1: no height
    FileHemisphereStyle inputHemisphere = FileHemisphereStyle::Australian;
    OutputFileFormat outputFormat;
    bool commaSeparated = false;  // --csv; else by the output's name
    std::vector<std::string> parameterFiles;
    std::vector<std::string> ellipsoidFiles;
    ProgressMode progress = ProgressMode::Off;
    bool quiet = false;  // no line about what was detected
    bool help = false;
};

struct TransformParse {
    TransformOptions options;
    std::string error;  // empty when the command line is well formed
    bool ok() const { return error.empty(); }
};

// Reads the arguments after "transform". "--progress=always" forces the
// progress bar, "--progress=auto" is the same as "--progress".
TransformParse parseTransformArguments(std::span<const std::string> args);

// The choices of a run: what detection found in the first lines (if
// anything), then the options over it. Without --type and --fields a file
// in which nothing was detected cannot be run; a type other than the
// detected one needs its own fields; a geographic file needs an angle
// layout; and the file needs an epoch from --epoch or from its records.
// The direction and the set name are taken from `start`.
struct FormatOutcome {
    FileFormatChoice format;
    std::string error;
    // Decimal degrees were detected, which packed files look like too: the
    // file dialog asks the user to confirm; the command line says so.
    std::string note;
    // Some of the layout came from the detection, not from the options.
    bool detectionUsed = false;
    bool ok() const { return error.empty(); }
};
FormatOutcome formatChoiceFor(const TransformOptions& options,
                              const std::optional<DetectedFormat>& detected,
                              FileFormatChoice start = {});

// Everything a run needs: the options over the detection, and the set and
// ellipsoid they name among the known records.
struct TransformPlan {
    FileRunSettings settings;
    std::string error;
    std::string note;  // as FormatOutcome's
    bool detectionUsed = false;
    bool ok() const { return error.empty(); }
};
TransformPlan planTransform(const TransformOptions& options, const KnownRecords& records,
                            const std::optional<DetectedFormat>& detected);

// The descriptors the command uses for "-" and for its progress bar; tests
// give their own.
struct ProcessStreams {
    int input = 0;
    int output = 1;
    int error = 2;  // only asked whether it is a terminal, and how wide
};
int runTransform(std::span<const std::string> args, Streams& io, const ProcessStreams& process);

}  // namespace tessara::cli
