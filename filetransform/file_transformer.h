#pragma once

#include "values/point_transformer.h"
#include "filetransform/file_format.h"
#include "filetransform/file_io.h"
#include "filetransform/file_output.h"
#include "records/records.h"
#include "values/notation.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The transformation of a whole point file: every line of the input gives
// one line of the output (a record, an error mark, or the line unchanged),
// after an optional header; failing lines, the file names and a summary go
// to the message list.
namespace tessara {

// Everything a run needs, read from the file dialog and the main form (or
// from the command line).
struct FileRunSettings {
    std::string inputPath;   // opened unless the caller gives an input; named in the output
    std::string outputPath;  // likewise
    FileFormatChoice format;
    OutputFileFormat output;
    // The main form's hemisphere style of input files.
    FileHemisphereStyle inputHemisphere = FileHemisphereStyle::Australian;
    // Copies of the chosen set (format.parameterSetName names it) and of
    // the ellipsoid of the ITRF to GDA94 direction.
    ParameterSet parameters;
    Ellipsoid ellipsoid;
    // Comma-separated records; by default when the output's extension is
    // "csv" in any case.
    std::optional<bool> commaSeparated;
    // The time in the header; by default the time the run starts.
    std::optional<std::time_t> createdAt;
};

struct FileRunProgress {
    std::uint64_t lines = 0;
    std::uint64_t bytesDone = 0;
    std::uint64_t bytesTotal = 0;  // 0 when the input's size is unknown (a pipe)
};

struct FileRunCallbacks {
    // Each line for the message list, in order.
    std::function<void(std::string_view)> message;
    // Called when the run starts, about every thousandth of the input (and
    // at least every few hundred kilobytes), and at the end.
    std::function<void(const FileRunProgress&)> progress;
    // Asked about every thousand lines, at every progress report and when
    // a read is interrupted by a signal; true stops the run, which then
    // leaves the old output as it was.
    std::function<bool()> cancelled;
};

enum class FileRunStatus {
    Completed,  // every line read and written; some records may have failed
    Refused,    // the choices cannot give a sound result; no file was touched
    FileError,  // a file could not be opened, read or written, or the input is no text
    Cancelled,  // stopped on request
};

struct FileRunResult {
    FileRunStatus status = FileRunStatus::Completed;
    long lines = 0;   // lines read, blank and comment lines included
    long errors = 0;  // records that failed
    // Whether the output holds the run's lines: always after a completed
    // run; after a failed or cancelled one only when the output could not
    // be replaced as a whole (standard output, a pipe), and then it holds
    // the lines counted by linesWritten.
    bool outputWritten = false;
    long linesWritten = 0;
    // For Refused and FileError: the text to show in a message box (it is
    // in the message list as well).
    std::string errorText;
};

// Streams the caller opened itself, used instead of the named files.
struct FileRunStreams {
    LineReader* input = nullptr;  // stdin, or a file already previewed
    int outputDescriptor = -1;    // stdout; written but not closed
};

// What to tell the user about an input the reader stopped at: UTF-16 text,
// NUL bytes, or a line (numbered from 1) beyond the longest allowed.
std::string inputProblemText(InputProblem problem, std::string_view path, long line);

// The status line text after a run, whatever its outcome.
inline constexpr std::string_view kStatusAfterRun =
    "Click on a filename in the message box to view it";

// Why a run with these choices would not give a sound result, or none:
// geographic coordinates without an angle layout (every point would take
// the previous point's position), a set date that is not an epoch, or an
// epoch from each record without an epoch field (both would transform at
// epoch 0).
std::optional<std::string> refusalReason(const FileFormatChoice& format);

// The output texts of the engine's point that records in this output
// format use, exactly as FormatOutputPoint writes them; the texts records
// leave out are not formatted (the angles with geographic output off, X, Y
// and Z with cartesian output off), nor the epoch text when the engine
// holds it already (the epoch and its notation are unchanged).
void formatOutputTexts(PointTransformer& pt, const OutputFileFormat& output,
                       bool epochTextCurrent = false);

// One run over one file. Memory stays flat whatever the file's size: lines
// are read and written through fixed buffers.
class FileTransformer {
public:
    explicit FileTransformer(FileRunSettings settings, FileRunCallbacks callbacks = {});

    FileRunResult Run(FileRunStreams streams = {});

private:
    struct Context;

    std::optional<std::string> refusal(const FileRunStreams& streams) const;
    // The engine with copies of the set and the ellipsoid, and the set epoch.
    void prepareEngine();
    void appendHeader(std::string& out);
    std::string_view setName() const;
    FileRunResult transformLines(LineReader& input, OutputWriter& output);
    // One line in, one line out; false when the line was not transformed.
    bool transformLine(std::string_view line, Context& context);

    void message(std::string_view text) const;
    // Reports a file error (result.errorText), with what became of the
    // output once the input was opened.
    FileRunResult fail(FileRunResult result, bool inputOpened) const;
    // The summary of a run that stopped early: how far it came, and that no
    // output was written or, where the output could not be replaced as a
    // whole, how many lines were.
    void appendStoppedSummary(const FileRunResult& result, bool cancelled) const;
    void appendSummary(long lines, long errors) const;

    FileRunSettings settings_;
    FileRunCallbacks callbacks_;
    PointTransformer engine_;
    bool commaSeparated_ = false;
    bool forward_ = true;
    double setEpoch_ = 0.0;        // with a set date
    int setEpochNotation_ = -1;    // the form its text is written in
};

}  // namespace tessara
