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

void place(std::string& line, std::size_t column, std::string_view text)
{
    if (column + text.size() > line.size())
        line.resize(column + text.size(), ' ');
    std::copy(text.begin(), text.end(), line.begin() + static_cast<std::ptrdiff_t>(column));
}

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
    // Everything right of the furthest text is blank.
    std::size_t furthest = base;
    const auto at = [&](std::size_t column, std::string_view text) {
        place(out, base + column, text);
        furthest = std::max(furthest, base + column + text.size());
    };
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
    at(kInputEchoColumn, texts.inputEcho);
    if (texts.cartesianLine)
        at(kCartesianColumn, *texts.cartesianLine);
    if (texts.geographicLine)
        at(static_cast<std::size_t>(std::max(texts.geographicColumn, 0)), *texts.geographicLine);
    at(kEndBarColumn, kBar);
    at(kIdentifierColumn, texts.identifier);

    // Without its trailing blanks; a record of blanks only leaves nothing.
    std::size_t end = furthest;
    while (end > base && out[end - 1] == ' ')
        --end;
    out.resize(end);
}

}  // namespace tessara
