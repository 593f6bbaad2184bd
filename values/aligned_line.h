#pragma once

#include "values/point_transformer.h"
#include "values/notation.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tessara {

// Copies n bytes, from 2 * sizeof(Word) down to sizeof(Word), as two
// overlapping word moves.
template <typename Word>
void copyAsTwoWords(char* to, const char* from, std::size_t n)
{
    Word head = 0;
    Word tail = 0;
    std::memcpy(&head, from, sizeof head);
    std::memcpy(&tail, from + n - sizeof tail, sizeof tail);
    std::memcpy(to, &head, sizeof head);
    std::memcpy(to + n - sizeof tail, &tail, sizeof tail);
}

// Copies a text to `to` (which must not overlap it). The texts of a line are
// a few characters long: two overlapping word moves copy them without the
// call and the size dispatch of a library copy.
inline void copyLineText(char* to, std::string_view text)
{
    const char* from = text.data();
    const std::size_t n = text.size();
    if (n >= 8 && n <= 16) {
        copyAsTwoWords<std::uint64_t>(to, from, n);
    } else if (n >= 4 && n < 8) {
        copyAsTwoWords<std::uint32_t>(to, from, n);
    } else if (n > 16) {
        std::memcpy(to, from, n);
    } else {
        for (std::size_t i = 0; i < n; ++i)
            to[i] = from[i];
    }
}

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
    // Draws the line inside a longer one: column 0 is at `origin` of the
    // target, which already holds blanks from there on, as far as it
    // reaches; nothing is blanked and finish() must not be called. extent()
    // tells how far the line reached.
    AlignedLine(std::string& target, std::size_t origin);
    AlignedLine(const AlignedLine&) = delete;
    AlignedLine& operator=(const AlignedLine&) = delete;
    ~AlignedLine() = default;

    // Inline: the layouts call it for every text of every record.
    void place(std::string_view text, int startColumn)
    {
        // A text that would start left of the line starts at its beginning.
        const std::size_t start = origin_ + static_cast<std::size_t>(std::max(startColumn, 0));
        const std::size_t end = start + text.size();
        // A long text extends the line instead of being cut.
        if (end > line_.size()) [[unlikely]]
            extend(end);
        copyLineText(line_.data() + start, text);
        furthest_ = std::max(furthest_, end);
    }
    // Places a text so that its decimal point (or, without one, its end)
    // falls at the given column.
    void placePoint(std::string_view text, int pointColumn);

    std::string str() const;
    // Removes the trailing blanks from the line in place.
    void finish();
    // The length of the line without its trailing blanks.
    std::size_t extent() const { return trimmedLength() - origin_; }

    // The position of the first "." of a text, or its length.
    static int anchor(std::string_view text);

private:
    std::string own_;
    std::string& line_;
    // Where column 0 stands in line_.
    std::size_t origin_ = 0;
    // The end of the furthest text placed (in line_): the line is blank from there.
    std::size_t furthest_ = 0;

    std::size_t trimmedLength() const;
    [[gnu::noinline]] void extend(std::size_t end);
};

// The output X, Y, Z texts, all three placed by the X text's decimal point:
// X at 8, Y and Z at 25 and 42 columns of the same anchor.
std::string LayoutCartesianLine(const PointTransformer& pt);
void LayoutCartesianLine(const PointTransformer& pt, AlignedLine& line);

// The output latitude, longitude (in a notation, optionally with the file
// hemisphere letters) and height texts.
std::string LayoutGeographicLine(const PointTransformer& pt, AngleNotation notation,
                                 bool withLetters);
void LayoutGeographicLine(const PointTransformer& pt, AngleNotation notation, bool withLetters,
                          AlignedLine& line);

// The input texts as read: X, Y, Z for a cartesian input, otherwise the
// angle texts by angle layout (a file's layout 0 to 6, or the form's input
// notation: the numberings agree on 0, 3 and 4, and 1 and 2 are treated
// alike), then the height.
std::string LayoutInputEcho(const PointTransformer& pt, bool inputIsCartesian, int angleLayout);
void LayoutInputEcho(const PointTransformer& pt, bool inputIsCartesian, int angleLayout,
                     AlignedLine& line);

// The overloads with an AlignedLine place the texts on a line the caller
// draws, without finishing it; the others return the finished line.

}  // namespace tessara
