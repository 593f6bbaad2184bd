#pragma once

#include <string>
#include <string_view>
#include <vector>

// How one line of a point file becomes numbered fields (numbered from 0),
// and which lines are comments, headings or blank lines.
namespace tessara {

// The fields of one line as views into the (rewritten) line they were cut
// from; the line must outlive them. Filler fields view a static blank.
using FieldViews = std::vector<std::string_view>;

// A run pads every line to at least this many fields.
inline constexpr std::size_t kRunFieldCount = 12;

// What SplitLine found besides the fields.
struct LineSplit {
    // The fields the line itself holds, before the closing empty fields
    // and the filler of a run.
    std::size_t lineFields = 0;
    // A quoted field had no closing quote: the splitting stopped there, at
    // field number lineFields.
    bool quoteOpen = false;
};

// Cuts a line into fields. Blanks and tabs at the end of the line are
// dropped first: they separate nothing. Tabs become commas; a line with
// fewer than two commas is blank-separated and goes through SpacesToCommas
// first. Fields are trimmed of white space and keep their double quotes; a
// quoted field may hold commas. The line gets one closing comma, so that
// its last field is closed; a run (forRun) then adds five empty fields, as
// five more closing commas would, and pads the list with one-blank filler
// fields to twelve; the preview adds no field. The line is rewritten in
// place, and the run keeps using the rewritten line.
LineSplit SplitLine(std::string& line, bool forRun, FieldViews& fields);
// The same with fields of their own (the preview, tests).
std::vector<std::string> SplitLine(std::string line, bool forRun);

// Turns the blank separators of a blank-separated line into commas: the
// right-most blank of each run of blanks. When a data token (a date, a
// decimal year, a cartesian value, or latitude degrees followed by minutes
// or a hemisphere letter) is found, the separators left of it become blanks
// again, so that an identifier with blanks stays one field.
std::string SpacesToCommas(std::string line);

// True for a non-empty text of digits, blanks, "." and "-" only ("+" is not
// taken).
bool IsNumberText(std::string_view text);

// True for a line of nothing but blanks and tabs (or nothing at all): it is
// copied as it is, like an empty line, and is no record.
bool IsBlankLine(std::string_view line);

// True for an empty line, a line starting with "#", or a line in which more
// than half of the fields after the first are not numbers (a heading).
// Empty fields count as not numbers, one-blank filler fields as numbers.
bool IsNonDataLine(std::string_view line, const FieldViews& fields);
bool IsNonDataLine(std::string_view line, const std::vector<std::string>& fields);

// The hemisphere letters of a record, taken out of its field list: "N" or
// "S", "E" or "W", or empty. They view static texts.
struct HemisphereLetters {
    std::string_view latitude;
    std::string_view longitude;
};

// Removes every field after the first that reads "N", "S", "E" or "W" in
// any case, and returns the last latitude and longitude letter found, in
// upper case. Later fields move down into the removed places.
HemisphereLetters TakeHemisphereLetters(FieldViews& fields);
HemisphereLetters TakeHemisphereLetters(std::vector<std::string>& fields);

}  // namespace tessara
