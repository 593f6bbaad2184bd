#include "filetransform/record_layout.h"

#include <algorithm>

namespace tessara {
namespace {

constexpr std::string_view kInputOutputHeads =
    "                                 Input                                       |"
    "                                          Output";
constexpr std::string_view kColumnHeads =
    "Datum           Epoch Date     X / Latitude     Y / Longitude    Z / Ell.Ht  |"
    " Datum            Epoch Date        X               Y                 Z        "
    "   Latitude         Longitude        Ellipsoidal Ht  |  Identifier";
constexpr std::size_t kUnderlineLength = 230;

// A record starts as this many blanks.
constexpr std::size_t kRecordWidth = 250;

constexpr std::string_view kGda94 = "GDA94";
constexpr std::string_view kBar = "|";

// Columns of the record (0-based).
constexpr std::size_t kInputDatumColumn = 0;
constexpr std::size_t kInputEpochColumn = 16;
constexpr std::size_t kInputEchoColumn = 29;
constexpr std::size_t kMiddleBarColumn = 77;
constexpr std::size_t kOutputDatumColumn = 79;
constexpr std::size_t kOutputEpochColumn = 96;
constexpr std::size_t kCartesianColumn = 108;
constexpr std::size_t kEndBarColumn = 210;
constexpr std::size_t kIdentifierColumn = 213;

// Writes the texts of the record that starts at `base` of `out`; everything
// from `furthest` on is blank.
class RecordWriter {
public:
    RecordWriter(std::string& out, std::size_t base, std::size_t furthest)
        : out_(out), base_(base), furthest_(furthest)
    {
    }

    void at(std::size_t column, std::string_view text)
    {
        const std::size_t start = base_ + column;
        if (start + text.size() > out_.size())
            out_.resize(start + text.size(), ' ');
        copyLineText(out_.data() + start, text);
        furthest_ = std::max(furthest_, start + text.size());
    }

    // The datums, the epoch and the middle bar, on the sides the direction
    // gives them.
    void datumsAndEpoch(const RecordTexts& texts)
    {
        if (texts.forward) {
            at(kInputDatumColumn, texts.setName);
            at(kInputEpochColumn, texts.epochText);
            at(kMiddleBarColumn, kBar);
            at(kOutputDatumColumn, kGda94);
        } else {
            at(kInputDatumColumn, kGda94);
            at(kMiddleBarColumn, kBar);
            at(kOutputDatumColumn, texts.setName);
            at(kOutputEpochColumn, texts.epochText);
        }
    }

    // The end bar and the identifier, which come after every line; then the
    // record is cut back to its last text (a record of blanks only leaves
    // nothing).
    void close(const RecordTexts& texts)
    {
        at(kEndBarColumn, kBar);
        at(kIdentifierColumn, texts.identifier);
        std::size_t end = furthest_;
        while (end > base_ && out_[end - 1] == ' ')
            --end;
        out_.resize(end);
    }

private:
    std::string& out_;
    std::size_t base_;
    std::size_t furthest_;
};

}  // namespace

void appendColumnHeads(std::string& out)
{
    out.append(kInputOutputHeads).append(kLineEnd);
    out.append(kColumnHeads).append(kLineEnd);
    out.append(kUnderlineLength, '_').append(kLineEnd).append(kLineEnd);
}

void appendRecordLine(const RecordTexts& texts, std::string& out)
{
    // The record is laid out at the end of `out` itself.
    const std::size_t base = out.size();
    out.append(kRecordWidth, ' ');
    RecordWriter record(out, base, base);
    record.datumsAndEpoch(texts);
    record.at(kInputEchoColumn, texts.inputEcho);
    if (texts.cartesianLine)
        record.at(kCartesianColumn, *texts.cartesianLine);
    if (texts.geographicLine)
        record.at(static_cast<std::size_t>(std::max(texts.geographicColumn, 0)),
                  *texts.geographicLine);
    record.close(texts);
}

bool appendDrawnRecordLine(const RecordTexts& texts, const RecordLineDrawer& drawer,
                           RecordLineBuffers& buffers, std::string& out)
{
    const std::size_t base = out.size();
    out.append(kRecordWidth, ' ');

    // The lines first, onto blanks only; each ends where appendRecordLine's
    // copy of it would (without its trailing blanks).
    const auto draw = [&](std::size_t column, auto drawLine) {
        AlignedLine line(out, base + column);
        drawLine(line);
        return column + line.extent();
    };
    const std::size_t echoEnd =
        draw(kInputEchoColumn, [&](AlignedLine& l) { drawer.inputEcho(l); });
    const std::size_t cartesianEnd =
        texts.cartesianLine
            ? draw(kCartesianColumn, [&](AlignedLine& l) { drawer.cartesianLine(l); })
            : 0;
    const std::size_t geographicColumn =
        static_cast<std::size_t>(std::max(texts.geographicColumn, 0));
    const std::size_t geographicEnd =
        texts.geographicLine
            ? draw(geographicColumn, [&](AlignedLine& l) { drawer.geographicLine(l); })
            : 0;

    // The same record as appendRecordLine's when each line keeps to the
    // blanks between the texts written before the lines there (the datums,
    // the epoch and the middle bar) and the next line: the end bar and the
    // identifier come after the lines in both. The test asks a little more
    // than that (an empty line counts as reaching its column): a record that
    // fails it is laid out from copies of its lines.
    const std::size_t leftOfEcho =
        texts.forward ? std::max(kInputDatumColumn + texts.setName.size(),
                                 kInputEpochColumn + texts.epochText.size())
                      : kInputDatumColumn + kGda94.size();
    const std::size_t rightOfBar =
        texts.forward ? kOutputDatumColumn + kGda94.size()
                      : std::max(kOutputDatumColumn + texts.setName.size(),
                                 kOutputEpochColumn + texts.epochText.size());
    const std::size_t nextAfterBar = texts.cartesianLine ? kCartesianColumn : geographicColumn;
    const bool apart =
        leftOfEcho <= kInputEchoColumn && echoEnd <= kMiddleBarColumn &&
        (!(texts.cartesianLine || texts.geographicLine) || rightOfBar <= nextAfterBar) &&
        (!(texts.cartesianLine && texts.geographicLine) ||
         (kCartesianColumn <= geographicColumn && cartesianEnd <= geographicColumn));
    if (!apart) {
        out.resize(base);
        const auto drawApart = [](std::string& buffer, auto drawLine) {
            AlignedLine line(buffer);
            drawLine(line);
            line.finish();
            return std::string_view(buffer);
        };
        RecordTexts copied = texts;
        copied.inputEcho =
            drawApart(buffers.echo, [&](AlignedLine& l) { drawer.inputEcho(l); });
        if (texts.cartesianLine)
            copied.cartesianLine =
                drawApart(buffers.cartesian, [&](AlignedLine& l) { drawer.cartesianLine(l); });
        if (texts.geographicLine)
            copied.geographicLine = drawApart(
                buffers.geographic, [&](AlignedLine& l) { drawer.geographicLine(l); });
        appendRecordLine(copied, out);
        return false;
    }

    RecordWriter record(out, base, base + std::max({echoEnd, cartesianEnd, geographicEnd}));
    record.datumsAndEpoch(texts);
    record.close(texts);
    return true;
}

}  // namespace tessara
