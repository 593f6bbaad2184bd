#pragma once

#include "values/point_transformer.h"
#include "values/notation.h"

#include <string>
#include <string_view>

namespace tessara {

// A fixed-column text line: starts as 60 blanks; texts are written over it
// from their start columns (columns count from 0); trailing blanks are
// removed at the end. A negative start column is taken as 0 and a text
// running past the end extends the line.
class AlignedLine {
public:
    AlignedLine();
    // Builds the line in the caller's string, reusing its storage; finish()
    // leaves the trimmed line there.
    explicit AlignedLine(std::string& target);
    AlignedLine(const AlignedLine&) = delete;
    AlignedLine& operator=(const AlignedLine&) = delete;
    ~AlignedLine() = default;

    void place(std::string_view text, int startColumn);
    // Places a text so that its decimal point (or, without one, its end)
    // falls at the given column.
    void placePoint(std::string_view text, int pointColumn);

    std::string str() const;
    // Removes the trailing blanks from the line in place.
    void finish();

    // The position of the first "." of a text, or its length.
    static int anchor(std::string_view text);

private:
    std::string own_;
    std::string& line_;
    // The end of the furthest text placed: the line is blank from there.
    std::size_t furthest_ = 0;

    std::size_t trimmedLength() const;
    [[gnu::noinline]] void extend(std::size_t end);
};

// The output X, Y, Z texts, all three placed by the X text's decimal point:
// X at 8, Y and Z at 25 and 42 columns of the same anchor.
std::string LayoutCartesianLine(const PointTransformer& pt);
void LayoutCartesianLine(const PointTransformer& pt, std::string& out);

// The output latitude, longitude (in a notation, optionally with the file
// hemisphere letters) and height texts.
std::string LayoutGeographicLine(const PointTransformer& pt, AngleNotation notation,
                                 bool withLetters);
void LayoutGeographicLine(const PointTransformer& pt, AngleNotation notation, bool withLetters,
                          std::string& out);

// The input texts as read: X, Y, Z for a cartesian input, otherwise the
// angle texts by angle layout (a file's layout 0 to 6, or the form's input
// notation: the numberings agree on 0, 3 and 4, and 1 and 2 are treated
// alike), then the height.
std::string LayoutInputEcho(const PointTransformer& pt, bool inputIsCartesian, int angleLayout);
void LayoutInputEcho(const PointTransformer& pt, bool inputIsCartesian, int angleLayout,
                     std::string& out);

// The overloads with `out` write the line there, reusing its storage, for
// callers that lay out one record after another.

}  // namespace tessara
