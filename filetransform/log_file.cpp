#include "filetransform/log_file.h"

#include "filetransform/file_io.h"
#include "filetransform/record_layout.h"
#include "values/aligned_line.h"
#include "values/formatting.h"

namespace tessara {
namespace {

constexpr const char* kCreatedFormat = "%A, %d %B %Y, %H:%M:%S";

std::string openError(int errorNumber)
{
    return "Error opening log file\n\n" + errorText(errorNumber);
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

std::optional<std::string> writeAll(OutputWriter& file, const std::string& text)
{
    if (!file.isOpen())
        return openError(file.error());
    file.buffer() = text;
    if (!file.close())
        return openError(file.error());
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

    std::string scratch;
    std::string line;
    appendRecordLine(texts, scratch, line);
    line.append(kLineEnd);
    return line;
}

std::optional<std::string> WriteLogHeader(const std::string& path, bool append,
                                          std::optional<std::time_t> when)
{
    OutputWriter file = append ? OutputWriter::append(path, true) : OutputWriter::create(path);
    return writeAll(file, logHeaderText(when));
}

std::optional<std::string> WriteLogRecord(const std::string& path, const PointTransformer& engine,
                                          const LogRecordChoice& choice)
{
    OutputWriter file = OutputWriter::append(path, false);
    return writeAll(file, logRecordText(engine, choice));
}

}  // namespace tessara
