// A whole file run over a fuzzed point file. The first bytes choose the
// run's settings (direction, coordinate type, fields, angle layout, epoch
// source and form, output format), or let the detection of the file's
// first lines choose the layout as the file dialog and the command line do;
// the rest is the input file.

#include "records/builtin_records.h"
#include "filetransform/convert_checks.h"
#include "filetransform/file_io.h"
#include "filetransform/file_transformer.h"
#include "fuzz/fuzz_bodies.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/scratch_file.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace tessara::fuzz {
namespace {

constexpr std::size_t kSettingsBytes = 10;

// Set dates: both forms, the limits of the accepted years, and texts the
// run refuses.
constexpr std::array<std::string_view, 8> kSetDates = {
    "01/01/2005", "2005.5", "1989.0", "31/12/2020", "29/02/2000", "", "2021.0", "32/01/2005"};

// A field number from -1 (none) to 12, beyond the padded fields of a run.
int fieldNumber(std::uint8_t byte) { return byte % 14 - 1; }

FileRunSettings decodeSettings(const std::uint8_t* b, std::string_view input)
{
    FileRunSettings s;
    s.inputPath = "input.txt";
    s.outputPath = "output.txt";
    s.createdAt = 0;
    FileFormatChoice& f = s.format;
    f.direction = (b[0] & 1) != 0 ? FileDirection::Gda94ToItrf : FileDirection::ItrfToGda94;
    f.coordinateType = (b[0] & 2) != 0 ? CoordinateType::Geographic : CoordinateType::Cartesian;
    f.epochSource = (b[0] & 4) != 0 ? EpochSource::EachRecord : EpochSource::SetDate;
    f.epochTextForm = static_cast<EpochMode>(static_cast<int>((b[0] >> 3) % 3) - 1);
    s.commaSeparated = (b[0] & 0x20) != 0;
    s.output.includeHeader = (b[0] & 0x40) != 0;
    if (b[1] % 8 < 7)
        f.angleLayout = static_cast<AngleLayout>(b[1] % 8);
    s.inputHemisphere = static_cast<FileHemisphereStyle>((b[1] >> 3) % 3);
    s.output.geographic = (b[1] & 0x40) != 0;
    s.output.cartesian = (b[1] & 0x80) != 0;
    f.identifierField = fieldNumber(b[2]);
    f.epochField = fieldNumber(b[3]);
    f.field1 = fieldNumber(b[4]);
    f.field2 = fieldNumber(b[5]);
    f.field3 = fieldNumber(b[6]);
    s.output.notation = static_cast<AngleNotation>(b[7] % 5);
    s.output.hemisphere = static_cast<FileHemisphereStyle>((b[7] >> 3) % 3);
    const std::vector<ParameterSet> sets = builtInParameterSets();
    s.parameters = sets[(b[7] >> 5) % sets.size()];
    f.parameterSetName = s.parameters.name;
    f.setDate = kSetDates[b[8] % kSetDates.size()];
    // Precisions within the ranges the precision dialog offers.
    s.output.precision.degrees = b[9] % 9;
    s.output.precision.minutes = (b[9] >> 4) % 8;
    s.output.precision.seconds = b[8] / 8 % 6;
    s.output.precision.cartesian = b[9] % 5;
    s.output.precision.height = b[8] / 48 % 4;
    s.ellipsoid = builtInEllipsoid();

    // With the top bit the first lines choose the layout, as in the file
    // dialog; the settings above stay for the rest.
    if ((b[0] & 0x80) != 0) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < input.size() && lines.size() < kPreviewLineCount) {
            const std::size_t feed = std::min(input.find('\n', start), input.size());
            lines.emplace_back(input.substr(start, feed - start));
            start = feed + 1;
        }
        const FilePreview preview = previewLines(std::move(lines));
        if (preview.detected)
            f = choiceFromDetection(*preview.detected, f).format;
    }
    return s;
}

// Lines as the line reader counts them: the last may end without a feed.
// The lines of a text as a point file has them: a line feed, a carriage
// return and line feed, or a carriage return alone ends a line; a UTF-8
// byte-order mark at the start is no part of it. A model kept apart from the
// reader, so that the two check each other. Also the longest line.
struct LineModel {
    long lines = 0;
    std::size_t longest = 0;
};

LineModel linesOf(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    LineModel model;
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\n' && c != '\r') {
            ++length;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        ++model.lines;
        model.longest = std::max(model.longest, length);
        length = 0;
    }
    if (length > 0) {
        ++model.lines;
        model.longest = std::max(model.longest, length);
    }
    return model;
}

// Text the run refuses: UTF-16 (its byte-order marks), NUL bytes, or a line
// beyond the longest allowed.
bool refusedText(std::string_view text, const LineModel& model)
{
    return text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF" ||
           text.find('\0') != std::string_view::npos || model.longest > kMaxLineLength;
}

ScratchFile& inputFile()
{
    static ScratchFile file("tessara-fuzz-input");
    return file;
}

ScratchFile& outputFile()
{
    static ScratchFile file("tessara-fuzz-output");
    return file;
}

}  // namespace

int fuzzFileRun(const std::uint8_t* data, std::size_t size)
{
    if (size < kSettingsBytes)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + kSettingsBytes,
                                 size - kSettingsBytes);
    FileRunSettings settings = decodeSettings(data, input);
    const bool refused = refusalReason(settings.format).has_value();
    const bool commaSeparated = *settings.commaSeparated;
    const bool header = settings.output.includeHeader;

    inputFile().write(input);
    outputFile().clear();
    LineReader reader(inputFile().descriptor());
    FileRunStreams streams;
    streams.input = &reader;
    streams.outputDescriptor = outputFile().descriptor();

    std::uint64_t lastDone = 0;
    FileRunCallbacks callbacks;
    callbacks.message = [](std::string_view) {};
    callbacks.progress = [&lastDone](const FileRunProgress& p) {
        // Progress only moves forward and never beyond the input's size.
        TESSARA_FUZZ_CHECK(p.bytesDone >= lastDone && p.bytesDone <= p.bytesTotal);
        lastDone = p.bytesDone;
    };
    FileTransformer run(std::move(settings), std::move(callbacks));
    const FileRunResult result = run.Run(streams);

    if (refused) {
        TESSARA_FUZZ_CHECK(result.status == FileRunStatus::Refused);
        return 0;
    }
    const LineModel model = linesOf(input);
    if (refusedText(input, model)) {
        // Stopped with a message; nothing reached the output.
        TESSARA_FUZZ_CHECK(result.status == FileRunStatus::FileError);
        TESSARA_FUZZ_CHECK(!result.errorText.empty() && result.linesWritten == 0);
        return 0;
    }
    TESSARA_FUZZ_CHECK(result.status == FileRunStatus::Completed);
    // Every line of the input is read, and each gives at most one error.
    TESSARA_FUZZ_CHECK(result.lines == model.lines);
    TESSARA_FUZZ_CHECK(result.errors >= 0 && result.errors <= result.lines);
    TESSARA_FUZZ_CHECK(lastDone == input.size());
    // Comma-separated records take one line each: every input line gives
    // exactly one output line.
    if (commaSeparated && !header) {
        const std::string output = outputFile().content();
        TESSARA_FUZZ_CHECK(linesOf(output).lines == result.lines);
    }
    return 0;
}

}  // namespace tessara::fuzz
