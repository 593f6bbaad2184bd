#include "filetransform/log_file.h"

#include "filetransform/file_io.h"
#include "filetransform/record_layout.h"
#include "values/aligned_line.h"
#include "values/formatting.h"

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace tessara {
namespace {

constexpr const char* kCreatedFormat = "%A, %d %B %Y, %H:%M:%S";

std::string openError(int errorNumber)
{
    return "Error opening log file\n\n" + errorText(errorNumber);
}

std::string writeError(int errorNumber)
{
    return "Error writing log file\n\n" + errorText(errorNumber);
}

// The size of an open file; 0 for one that has none (a device).
off_t sizeOf(int descriptor)
{
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) ? status.st_size : 0;
}

// The readers keep the texts of every notation they were given, and the
// form's engine reads in several notations over its life: only those of
// the notation read last may appear in the echo.
void keepInputTextsOf(AngleNotation notation, AngleTexts& read)
{
    AngleTexts kept;
    switch (notation) {
    case AngleNotation::Dms:
        kept.degrees = read.degrees;
        kept.minutes = read.minutes;
        kept.seconds = read.seconds;
        break;
    case AngleNotation::Dm:
        kept.degrees = read.degrees;
        kept.decimalMinutes = read.decimalMinutes;
        break;
    case AngleNotation::Dd:
        kept.decimalDegrees = read.decimalDegrees;
        break;
    case AngleNotation::Dmshp:
        kept.packedDms = read.packedDms;
        break;
    case AngleNotation::Dmhp:
        kept.packedDm = read.packedDm;
        break;
    }
    read = std::move(kept);
}

// Writes the text at the end of the open log, whole or not at all: a write
// that fails part-way (the disk filled) is cut off again, so the file never
// ends in half a record.
std::optional<std::string> writeWhole(OutputWriter& file, off_t end, std::string text)
{
    file.buffer() = std::move(text);
    if (!file.flush()) {
        const int error = file.error();
        // Where the file cannot be cut (a device), there is nothing to keep clean.
        static_cast<void>(::ftruncate(file.descriptor(), end));
        file.close();
        return writeError(error);
    }
    if (!file.close())
        return writeError(file.error());
    return std::nullopt;
}

}  // namespace

std::string logHeaderText(std::optional<std::time_t> when)
{
    std::string text;
    text.append("Tessara:                 ***   ITRF <--> GDA94 Interactive Output File   ***");
    text.append(kLineEnd).append(kLineEnd).append(kLineEnd);
    text.append("File created:  ").append(localTimeText(kCreatedFormat, when));
    text.append(kLineEnd).append(kLineEnd);
    appendColumnHeads(text);
    return text;
}

std::string logRecordText(const PointTransformer& engine, const LogRecordChoice& choice)
{
    PointTransformer pt = engine;
    FormatOutputPoint(pt, kLogPrecision);
    keepInputTextsOf(choice.inputNotation, pt.inputAnglesRead.latitude);
    keepInputTextsOf(choice.inputNotation, pt.inputAnglesRead.longitude);

    const std::string echo =
        LayoutInputEcho(pt, pt.inputIsCartesian, static_cast<int>(choice.inputNotation));
    const std::string cartesian = LayoutCartesianLine(pt);
    const std::string geographic = LayoutGeographicLine(pt, choice.outputNotation, false);

    RecordTexts texts;
    texts.forward = choice.direction != 0;
    texts.setName = pt.parameters.name;
    texts.epochText = pt.epochText;
    texts.inputEcho = echo;
    texts.cartesianLine = cartesian;
    texts.geographicLine = geographic;
    texts.geographicColumn = kLogGeographicColumn;
    texts.identifier = pt.identifier;

    std::string line;
    appendRecordLine(texts, line);
    line.append(kLineEnd);
    return line;
}

std::optional<std::string> WriteLogHeader(const std::string& path, bool append,
                                          std::optional<std::time_t> when)
{
    OutputWriter file = append ? OutputWriter::append(path, true) : OutputWriter::create(path);
    if (!file.isOpen())
        return openError(file.error());
    return writeWhole(file, sizeOf(file.descriptor()), logHeaderText(when));
}

std::optional<std::string> WriteLogRecord(const std::string& path, const PointTransformer& engine,
                                          const LogRecordChoice& choice, bool withHeader,
                                          std::optional<std::time_t> when)
{
    OutputWriter file = OutputWriter::append(path, false);
    if (!file.isOpen())
        return openError(file.error());
    const off_t end = sizeOf(file.descriptor());
    std::string text = withHeader || end == 0 ? logHeaderText(when) : std::string();
    return writeWhole(file, end, text + logRecordText(engine, choice));
}

}  // namespace tessara
