#include "filetransform/file_transformer.h"
#include "values/text_trim.h"

#include "filetransform/file_record.h"
#include "filetransform/line_fields.h"
#include "filetransform/record_layout.h"
#include "values/epoch.h"
#include "values/formatting.h"
#include "values/number_text.h"
#include "values/readers.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace tessara {
namespace {

constexpr const char* kCreatedFormat = "%d %B %Y, %H:%M:%S";
constexpr std::string_view kSameFiles = "Input and output file names must be different!";
constexpr std::string_view kNoAngleLayout =
    "No angle format chosen for the geographic coordinates!";
constexpr std::string_view kNoEpochField = "No epoch field chosen!";
constexpr std::string_view kUnreadableEpoch = "Epoch date cannot be read from (%s)";
constexpr std::string_view kErrorMark = "** Error - ";

// Progress is reported about every thousandth of the input, but not more
// often than every quarter megabyte.
constexpr std::uint64_t kProgressSteps = 1000;
constexpr std::uint64_t kSmallestProgressStep = std::uint64_t{256} * 1024;
// A request to cancel is looked at after this many lines at the latest.
constexpr long kLinesBetweenCancelChecks = 1024;

// Reads the set date as the run does, accepting either form.
bool readSetDate(PointTransformer& pt, std::string_view date)
{
    return ReadEpoch(pt, date, EpochMode::Automatic);
}

std::string pathError(std::string_view path, int errorNumber)
{
    std::string text(path);
    text.append(": ").append(errorText(errorNumber));
    return text;
}

}  // namespace

void formatOutputTexts(PointTransformer& pt, const OutputFileFormat& output, bool epochTextCurrent)
{
    if (output.geographic) {
        // A file shows one notation: the others are not formatted, nor X, Y
        // and Z when the records leave them out.
        FormatOutputPoint(pt, output.precision, output.notation,
                          {!epochTextCurrent, output.cartesian});
        return;
    }
    // Cartesian records need only the epoch and X, Y, Z: the texts that
    // FormatOutputPoint writes for them, without the angles in every
    // notation, which cost more than all the rest of a record.
    if (!epochTextCurrent)
        WriteEpoch(pt);
    for (auto [text, value] : {std::pair{&pt.outputX, pt.outputCartesian.x},
                               std::pair{&pt.outputY, pt.outputCartesian.y},
                               std::pair{&pt.outputZ, pt.outputCartesian.z}}) {
        text->clear();
        numtext::appendFixed(*text, value, output.precision.cartesian);
    }
}

std::optional<std::string> refusalReason(const FileFormatChoice& format)
{
    if (format.coordinateType == CoordinateType::Geographic && !format.angleLayout)
        return std::string(kNoAngleLayout);
    if (format.epochSource == EpochSource::SetDate) {
        PointTransformer pt;
        if (!readSetDate(pt, format.setDate)) {
            // An empty date is refused by the reader without a message.
            return pt.messages.empty()
                       ? numtext::format(kUnreadableEpoch, {trimmed(format.setDate)})
                       : pt.messages.front();
        }
    } else if (format.epochField < 0) {
        return std::string(kNoEpochField);
    }
    return std::nullopt;
}

// The working state of one run, reused from line to line so that the hot
// path allocates nothing once the buffers have grown to the longest line.
struct FileTransformer::Context {
    OutputWriter& output;
    RecordChoice record;
    std::string work;
    FieldViews fields;
    RecordLineBuffers buffers;
    long lines = 0;
    long errors = 0;
    // The epoch whose text the engine holds (none yet).
    double textEpoch = std::numeric_limits<double>::quiet_NaN();
    int textEpochNotation = -2;
    // A line that failed is cut again here to judge whether it is a
    // comment or heading, on its fields as they were cut.
    std::string failedWork = {};
    FieldViews failedFields = {};
};

FileTransformer::FileTransformer(FileRunSettings settings, FileRunCallbacks callbacks)
    : settings_(std::move(settings)), callbacks_(std::move(callbacks))
{
    // One epoch for the file: no record is read for one.
    if (settings_.format.epochSource == EpochSource::SetDate)
        settings_.format.epochField = -1;
    forward_ = forwardFlag(settings_.format.direction) != 0;
    commaSeparated_ = settings_.commaSeparated.value_or(isCommaSeparatedName(settings_.outputPath));
}

void FileTransformer::message(std::string_view text) const
{
    if (callbacks_.message)
        callbacks_.message(text);
}

void FileTransformer::appendSummary(long lines, long errors) const
{
    std::string summary = "Transformed " + numtext::integer(lines) + " lines (" +
                          numtext::integer(errors) + " error";
    summary.append(errors == 1 ? ")" : "s)");
    message(summary);
    message("Output - " + settings_.outputPath);
    message("************");
}

void FileTransformer::appendStoppedSummary(const FileRunResult& result, bool cancelled) const
{
    std::string stopped = cancelled ? "Cancelled after " : "Stopped after ";
    stopped += numtext::integer(result.lines) + (result.lines == 1 ? " line" : " lines");
    if (!result.outputWritten) {
        message(stopped + "; no output was written");
        message("************");
        return;
    }
    // Standard output or a pipe: what was written stays written.
    message(stopped);
    appendSummary(result.linesWritten, result.errors);
}

FileRunResult FileTransformer::fail(FileRunResult result, bool inputOpened) const
{
    result.status = FileRunStatus::FileError;
    message(result.errorText);
    if (inputOpened)
        appendStoppedSummary(result, false);
    return result;
}

std::string inputProblemText(InputProblem problem, std::string_view path, long line)
{
    switch (problem) {
    case InputProblem::Utf16:
        return numtext::format("%s is UTF-16 text; save it as UTF-8 or plain text", {path});
    case InputProblem::NulBytes:
        return numtext::format("%s holds NUL bytes: it is not a text file", {path});
    case InputProblem::LineTooLong:
        return numtext::format("%s: line %s is longer than %s bytes; it is not a point file",
                               {path, numtext::integer(line),
                                numtext::integer(static_cast<long>(kMaxLineLength))});
    case InputProblem::None:
        break;
    }
    return {};
}

std::optional<std::string> FileTransformer::refusal(const FileRunStreams& streams) const
{
    if (std::optional<std::string> reason = refusalReason(settings_.format))
        return reason;
    // Creating the output would empty the input before it is read, whatever
    // name (a link, another spelling of the path) it was given by.
    const std::optional<FileIdentity> input =
        streams.input ? identityOf(streams.input->descriptor()) : identityOf(settings_.inputPath);
    const std::optional<FileIdentity> output = streams.outputDescriptor >= 0
                                                   ? identityOf(streams.outputDescriptor)
                                                   : identityOf(settings_.outputPath);
    if (input && output && input->regularFile && *input == *output)
        return std::string(kSameFiles);
    return std::nullopt;
}

void FileTransformer::prepareEngine()
{
    const FileFormatChoice& format = settings_.format;
    engine_ = PointTransformer();
    engine_.parameters = settings_.parameters;
    engine_.ellipsoid = settings_.ellipsoid;
    setEpoch_ = 0.0;
    setEpochNotation_ = -1;
    if (format.epochSource == EpochSource::SetDate) {
        readSetDate(engine_, format.setDate);
        setEpoch_ = engine_.epoch;
        setEpochNotation_ = format.epochTextForm == EpochMode::Automatic
                                ? engine_.epochNotation
                                : static_cast<int>(format.epochTextForm);
    }
    engine_.messages.clear();
}

void FileTransformer::appendHeader(std::string& out)
{
    const std::string created = localTimeText(kCreatedFormat, settings_.createdAt);
    FileHeader header;
    header.forward = forward_;
    header.created = created;
    header.inputPath = settings_.inputPath;
    header.outputPath = settings_.outputPath;
    header.setName = setName();
    if (settings_.format.epochSource == EpochSource::SetDate) {
        engine_.epoch = setEpoch_;
        engine_.epochNotation = setEpochNotation_;
        WriteEpoch(engine_);
        header.epochText = engine_.epochText;
    }
    appendFileHeader(header, out);
}

std::string_view FileTransformer::setName() const
{
    return settings_.format.parameterSetName.empty() ? settings_.parameters.name
                                                     : settings_.format.parameterSetName;
}

FileRunResult FileTransformer::Run(FileRunStreams streams)
{
    FileRunResult result;
    if (std::optional<std::string> reason = refusal(streams)) {
        result.status = FileRunStatus::Refused;
        result.errorText = std::move(*reason);
        message(result.errorText);
        return result;
    }
    prepareEngine();
    message("Input - " + settings_.inputPath);

    std::optional<LineReader> ownedInput;
    LineReader* input = streams.input;
    if (!input) {
        ownedInput.emplace(LineReader::open(settings_.inputPath));
        if (!ownedInput->isOpen()) {
            result.errorText = pathError(settings_.inputPath, ownedInput->error());
            return fail(std::move(result), false);
        }
        input = &*ownedInput;
    }
    input->setInterruptCheck(callbacks_.cancelled);
    // A named output is replaced only when the run completes.
    OutputWriter output = streams.outputDescriptor >= 0
                              ? OutputWriter(streams.outputDescriptor)
                              : OutputWriter::replace(settings_.outputPath);
    if (!output.isOpen()) {
        result.errorText = pathError(settings_.outputPath, output.error());
        return fail(std::move(result), true);
    }
    if (settings_.output.includeHeader)
        appendHeader(output.buffer());
    return transformLines(*input, output);
}

FileRunResult FileTransformer::transformLines(LineReader& input, OutputWriter& output)
{
    Context context{output, {}, {}, {}, {}};
    context.record.forward = forward_;
    context.record.setName = setName();
    context.record.inputType = settings_.format.coordinateType;
    context.record.angleLayout = settings_.format.angleLayout;
    context.record.output = &settings_.output;
    context.work.reserve(256);
    context.fields.reserve(32);

    FileRunProgress progress;
    progress.bytesTotal = input.size();
    const std::uint64_t step =
        std::max(kSmallestProgressStep, progress.bytesTotal / kProgressSteps);
    std::uint64_t nextReport = input.bytesRead() + step;
    const auto report = [&] {
        if (!callbacks_.progress)
            return;
        progress.lines = static_cast<std::uint64_t>(context.lines);
        progress.bytesDone = input.bytesRead();
        callbacks_.progress(progress);
    };
    report();

    FileRunResult result;
    // Lines (and failed records among them) whose output reached the file;
    // where each line of the buffer ends in the output, and whether it
    // failed, so that a write that stops part-way is counted exactly. Only
    // an output written directly needs it: a replaced one keeps nothing of
    // a run that stops.
    const bool countLines = !output.replacesAtomically();
    long written = 0;
    long writtenErrors = 0;
    struct LineEnd {
        std::uint64_t offset;
        bool failed;
    };
    std::vector<LineEnd> bufferedLines;
    bufferedLines.reserve(1024);
    const auto countWrittenLines = [&] {
        for (const LineEnd& end : bufferedLines) {
            if (end.offset > output.bytesWritten())
                break;
            ++written;
            writtenErrors += end.failed ? 1 : 0;
        }
        bufferedLines.clear();
    };
    const auto stop = [&](FileRunStatus status, std::string text) {
        countWrittenLines();
        result.status = status;
        result.lines = context.lines;
        result.outputWritten = countLines && output.bytesWritten() > 0;
        result.linesWritten = written;
        result.errors = result.outputWritten ? writtenErrors : context.errors;
        // What is still buffered is not written: the summary counts only
        // lines that reached the output.
        output.discard();
        result.errorText = std::move(text);
        if (status == FileRunStatus::Cancelled) {
            appendStoppedSummary(result, true);
            return result;
        }
        return fail(std::move(result), true);
    };
    const auto cancelled = [this] { return callbacks_.cancelled && callbacks_.cancelled(); };
    const auto cancel = [&] { return stop(FileRunStatus::Cancelled, {}); };
    std::string_view line;
    while (input.next(line)) {
        ++context.lines;
        const long errorsBefore = context.errors;
        transformLine(line, context);
        if (countLines) {
            bufferedLines.push_back(
                {output.bytesWritten() + output.buffer().size(), context.errors > errorsBefore});
        }
        if (output.buffer().size() >= OutputWriter::kBlockSize) {
            if (!output.flush())
                return stop(FileRunStatus::FileError,
                            pathError(settings_.outputPath, output.error()));
            countWrittenLines();
        }
        if (context.lines % kLinesBetweenCancelChecks == 0 && cancelled())
            return cancel();
        if (input.bytesRead() >= nextReport) {
            nextReport = input.bytesRead() + step;
            report();
            if (cancelled())
                return cancel();
        }
    }
    if (cancelled())
        return cancel();
    if (input.error() != 0)
        return stop(FileRunStatus::FileError, pathError(settings_.inputPath, input.error()));
    if (input.problem() != InputProblem::None)
        return stop(FileRunStatus::FileError,
                    inputProblemText(input.problem(), settings_.inputPath, context.lines + 1));
    if (!output.close()) {
        // A commit that failed leaves the old file; a direct output that
        // failed to flush holds what was written before.
        const int error = output.error();
        return stop(FileRunStatus::FileError, pathError(settings_.outputPath, error));
    }
    report();
    result.lines = context.lines;
    result.errors = context.errors;
    result.outputWritten = true;
    result.linesWritten = context.lines;
    appendSummary(result.lines, result.errors);
    return result;
}

bool FileTransformer::transformLine(std::string_view line, Context& c)
{
    const FileFormatChoice& f = settings_.format;
    PointTransformer& pt = engine_;
    pt.messages.clear();

    std::string& out = c.output.buffer();
    // Empty lines, and lines of nothing but blanks and tabs, are copied as
    // they are: no record, no error.
    if (IsBlankLine(line)) {
        out.append(line);
        out.append(kLineEnd);
        return false;
    }

    c.work.assign(line);
    const LineSplit split = SplitLine(c.work, true, c.fields);
    const std::size_t fieldsBefore = c.fields.size();
    const HemisphereLetters letters = TakeHemisphereLetters(c.fields);
    bool ok = ReadFileRecord(pt, c.fields, f.identifierField, f.epochField, f.coordinateType,
                             f.angleLayout, f.field1, f.field2, f.field3);
    if (f.coordinateType == CoordinateType::Geographic)
        ApplyHemisphereLetters(pt, letters.latitude, letters.longitude,
                               settings_.inputHemisphere);
    if (f.epochSource == EpochSource::SetDate) {
        pt.epoch = setEpoch_;
        pt.epochNotation = setEpochNotation_;
    }
    if (ok) {
        pt.GeographicToCartesian();
        pt.Transform(forward_ ? Direction::ItrfToGda94 : Direction::Gda94ToItrf);
        pt.CartesianToGeographic();
        if (pt.CheckGeographicRange() > 0)
            ok = false;
    }

    if (ok) {
        // With one epoch for the file its text is written once.
        const bool epochTextCurrent =
            pt.epoch == c.textEpoch && pt.epochNotation == c.textEpochNotation;
        formatOutputTexts(pt, settings_.output, epochTextCurrent);
        c.textEpoch = pt.epoch;
        c.textEpochNotation = pt.epochNotation;
        if (settings_.output.geographic)
            ApplyFileHemisphere(pt, settings_.output.hemisphere, commaSeparated_);
        if (commaSeparated_)
            appendCommaSeparatedRecord(pt, settings_.output, out);
        else
            appendTextRecord(pt, c.record, c.buffers, out);
        return true;
    }

    // Whether the line is a comment or a heading matters only when it did
    // not transform, which is rare: only then is it judged, on the line cut
    // again (the hemisphere letters have left the fields cut above).
    c.failedWork.assign(line);
    SplitLine(c.failedWork, true, c.failedFields);
    if (!IsNonDataLine(c.failedWork, c.failedFields)) {
        // Every failed record says why; the readers refuse an empty field
        // without a message.
        // A quote left open comes first: the readers' complaints are about
        // the fields it swallowed.
        if (pt.messages.empty() || split.quoteOpen) {
            const std::size_t letterFields = fieldsBefore - c.fields.size();
            pt.messages.insert(pt.messages.begin(),
                               RecordFailureReason(c.fields, split,
                                                   split.lineFields -
                                                       std::min(split.lineFields, letterFields),
                                                   f));
        }
        message("Line  " + numtext::integer(c.lines));
        for (const std::string& m : pt.messages)
            message(m);
        out.append(kErrorMark);
        ++c.errors;
    }
    // Comment and heading lines stay as they were.
    out.append(line);
    out.append(kLineEnd);
    return false;
}

}  // namespace tessara
