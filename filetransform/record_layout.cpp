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

void appendRecordLine(const RecordTexts& texts, std::string& scratch, std::string& out)
{
    std::string& line = scratch;
    line.assign(kRecordWidth, ' ');
    if (texts.forward) {
        place(line, kInputDatumColumn, texts.setName);
        place(line, kInputEpochColumn, texts.epochText);
        place(line, kMiddleBarColumn, kBar);
        place(line, kOutputDatumColumn, kGda94);
    } else {
        place(line, kInputDatumColumn, kGda94);
        place(line, kMiddleBarColumn, kBar);
        place(line, kOutputDatumColumn, texts.setName);
        place(line, kOutputEpochColumn, texts.epochText);
    }
    place(line, kInputEchoColumn, texts.inputEcho);
    if (texts.cartesianLine)
        place(line, kCartesianColumn, *texts.cartesianLine);
    if (texts.geographicLine)
        place(line, static_cast<std::size_t>(std::max(texts.geographicColumn, 0)),
              *texts.geographicLine);
    place(line, kEndBarColumn, kBar);
    place(line, kIdentifierColumn, texts.identifier);

    const std::size_t last = line.find_last_not_of(' ');
    if (last != std::string::npos)
        out.append(line, 0, last + 1);
}

}  // namespace tessara
