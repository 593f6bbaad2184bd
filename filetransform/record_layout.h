#pragma once

#include "values/aligned_line.h"

#include <optional>
#include <string>
#include <string_view>

// The fixed-column record of the output files and the log file: the input
// datum and epoch, the input point, the output datum and epoch, the output
// point in cartesian and geographic form, and the identifier, under three
// lines of column heads that both files share.
namespace tessara {

// Every line end of the output, log and message files, on every platform.
inline constexpr std::string_view kLineEnd = "\r\n";

// The geographic output starts one column earlier in a point file, whose
// angle texts carry a blank (or sign) in front, than in the log.
inline constexpr int kFileGeographicColumn = 159;
inline constexpr int kLogGeographicColumn = 160;

// Appends the two heading lines and the underline (with its blank line).
void appendColumnHeads(std::string& out);

// The texts of one record. The datum names and the epoch change sides with
// the direction: ITRF to GDA94 puts the set name and the epoch on the input
// side and "GDA94" on the output side, GDA94 to ITRF the reverse.
struct RecordTexts {
    bool forward = true;
    std::string_view setName;
    std::string_view epochText;
    std::string_view inputEcho;                     // the input as read, aligned
    std::optional<std::string_view> cartesianLine;  // the output X, Y, Z, aligned
    std::optional<std::string_view> geographicLine; // the output angles and height, aligned
    int geographicColumn = kFileGeographicColumn;
    std::string_view identifier;
};

// Lays the record out over a line of blanks, each text from its column in
// a fixed order (a later text overwrites an earlier one where they meet, a
// long text extends the line), and appends it to `out` without its
// trailing blanks and without a line end.
void appendRecordLine(const RecordTexts& texts, std::string& out);

// Draws the lines of one record on lines whose column 0 is the line's column
// in the record.
class RecordLineDrawer {
public:
    RecordLineDrawer() = default;
    RecordLineDrawer(const RecordLineDrawer&) = delete;
    RecordLineDrawer& operator=(const RecordLineDrawer&) = delete;
    RecordLineDrawer(RecordLineDrawer&&) = delete;
    RecordLineDrawer& operator=(RecordLineDrawer&&) = delete;
    virtual ~RecordLineDrawer() = default;

    virtual void inputEcho(AlignedLine& line) const = 0;
    virtual void cartesianLine(AlignedLine& line) const = 0;
    virtual void geographicLine(AlignedLine& line) const = 0;
};

// Storage for the lines of a record that are laid out apart, reused from
// record to record.
struct RecordLineBuffers {
    std::string echo;
    std::string cartesian;
    std::string geographic;
};

// Appends the record appendRecordLine lays out from the lines the drawer
// draws (the cartesian and geographic lines only where `texts` has them;
// their texts are not read). Nearly every record has its lines drawn
// straight into it instead of copied there, and the result is true. Where a
// line reaches into a text that appendRecordLine writes before it, or into
// the next line, the order of writing decides what shows: such a record's
// lines are drawn apart in `buffers` and copied as appendRecordLine does,
// and the result is false.
bool appendDrawnRecordLine(const RecordTexts& texts, const RecordLineDrawer& drawer,
                           RecordLineBuffers& buffers, std::string& out);

}  // namespace tessara
