#include "filetransform/line_fields.h"
#include "values/text_trim.h"

#include "values/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tessara {
namespace {

constexpr std::string_view kFiller = " ";
// A run reads the line as if six commas closed it: the first closes the
// last field, the other five add empty fields after it.
constexpr std::size_t kRunClosingFields = 5;

// The characters of a number text: digits, blank, point and minus.
constexpr std::array<bool, 256> kNumberCharacters = [] {
    std::array<bool, 256> table{};
    for (char c : std::string_view("0123456789 .-"))
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

bool onlyBlanks(std::string_view text)
{
    // Nearly always nothing is left after a number.
    return text.empty() || text.find_first_not_of(' ') == std::string_view::npos;
}

// The number at the start of a token, as strtod reads it, and what follows it.
struct LeadingNumber {
    double value;
    std::string_view rest;
};

LeadingNumber leadingNumber(std::string_view token)
{
    const numtext::Scan<double> scan = numtext::scanReal(token);
    return {scan.value, std::string_view(token.data() + scan.length, token.size() - scan.length)};
}

bool isLatitudeDegrees(double v)
{
    return (v > -80.0 && v < 0.0) || (v > 0.0 && v < 80.0);
}

bool isDecimalYear(double v)
{
    return v > 1900.0 && v < 2020.0;
}

// Values beyond a million metres can only be earth-centred X, Y or Z.
bool isCartesianValue(double v)
{
    return v < -1'000'000.0 || v > 1'000'000.0;
}

// A date has a "/" after its first character and a second "/" after that.
// Tokens are short: a plain search beats setting up a library one.
bool looksLikeDate(std::string_view text)
{
    const auto first = std::find(text.begin(), text.end(), '/');
    return first != text.begin() && first != text.end() &&
           std::find(first + 1, text.end(), '/') != text.end();
}

bool startsLikeANumber(std::string_view token)
{
    if (token.empty())
        return false;
    const char first = token.front();
    return (first >= '0' && first <= '9') || first == '-' || first == '+';
}

// Whether a blank-separated token starts the data of a line, judged with
// its right-hand neighbour: a date, a decimal year, a cartesian value, or
// latitude degrees followed by a hemisphere letter or by minutes.
bool isDataToken(std::string_view token, std::string_view neighbour, bool letterCounts = true)
{
    if (!startsLikeANumber(token))
        return false;
    if (looksLikeDate(token))
        return true;
    const LeadingNumber v = leadingNumber(token);
    if (!onlyBlanks(v.rest))
        return false;
    if (isDecimalYear(v.value) || isCartesianValue(v.value))
        return true;
    if (!isLatitudeDegrees(v.value))
        return false;
    const LeadingNumber w = leadingNumber(neighbour);
    if (letterCounts && w.value == 0.0 && !w.rest.empty()) {
        const char letter = w.rest.front();
        if (letter == 'N' || letter == 'n' || letter == 'S' || letter == 's')
            return true;
    }
    return w.value > -60.0 && w.value < 60.0 && onlyBlanks(w.rest);
}

// Lines are searched eight characters at a time, in a 64-bit word whose
// first character is its lowest byte.
constexpr bool kWordSearch = std::endian::native == std::endian::little;
constexpr std::uint64_t kLowBits = 0x0101010101010101u;
constexpr std::uint64_t kHighBits = 0x8080808080808080u;

std::uint64_t wordAt(const char* p)
{
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The high bit of every byte of `word` that equals c, and no other bit (the
// sum within each byte cannot carry into the next).
std::uint64_t bytesEqual(std::uint64_t word, char c)
{
    const std::uint64_t x = word ^ (kLowBits * static_cast<unsigned char>(c));
    return ~(((x & ~kHighBits) + ~kHighBits) | x | ~kHighBits);
}

// The position in its word of the first byte a bytesEqual() mask marks.
std::size_t firstMarked(std::uint64_t mask)
{
    return static_cast<std::size_t>(std::countr_zero(mask)) / 8;
}

// The next comma from `from` on. Fields are a few characters long: a word
// at a time finds their end sooner than a library search is set up.
std::size_t commaFrom(std::string_view line, std::size_t from)
{
    std::size_t i = from;
    if constexpr (kWordSearch) {
        for (; i + 8 <= line.size(); i += 8) {
            if (const std::uint64_t commas = bytesEqual(wordAt(line.data() + i), ','))
                return i + firstMarked(commas);
        }
    }
    for (; i < line.size(); ++i) {
        if (line[i] == ',')
            return i;
    }
    return std::string_view::npos;
}

// The commas of a rewritten line, in order, when it is known to hold no
// others and they are few enough to be noted: cutting the line into fields
// then needs no search for them. Only the first `count` positions are set
// and read: clearing them all for every line would cost more than the
// noted commas save.
struct LineCommas {  // NOLINT(cppcoreguidelines-pro-type-member-init)
    static constexpr std::size_t kMost = 40;
    std::array<std::size_t, kMost> at;
    std::size_t count = 0;
    bool complete = true;

    void note(std::size_t position)
    {
        if (count < kMost)
            at[count++] = position;
        else
            complete = false;
    }
    // The first `n` commas have become blanks again.
    void dropFirst(std::size_t n)
    {
        std::copy(at.begin() + static_cast<std::ptrdiff_t>(n),
                  at.begin() + static_cast<std::ptrdiff_t>(count), at.begin());
        count -= n;
    }
};

// SpacesToCommas on the line itself, without a copy (the run's hot path).
// `ownComma` is where the line's first comma stands (npos: none). The
// commas written (and left standing) are noted in `commas`.
void spacesToCommasInPlace(std::string& line, std::size_t ownComma, LineCommas& commas)
{
    // At most one comma stood in the line before (fewer than two make it
    // blank-separated); every other comma after the first pass is ours.

    // The right-most blank of each run of blanks becomes a separator (a
    // blank at the very start separates nothing). One pass left to right:
    // the character after a blank has not been rewritten yet when the blank
    // is judged.
    const std::size_t size = line.size();
    char* const text = line.data();
    std::size_t i = 1;
    if constexpr (kWordSearch) {
        // Eight characters at a time while a character follows them: a
        // blank whose right-hand neighbour (in the word, or the character
        // after it) is no blank ends its run.
        for (; i + 8 < size; i += 8) {
            const std::uint64_t blanks = bytesEqual(wordAt(text + i), ' ');
            if (blanks == 0)
                continue;
            const std::uint64_t nextBlank = text[i + 8] == ' ' ? kHighBits << 56 : 0;
            std::uint64_t runEnds = blanks & ~((blanks >> 8) | nextBlank);
            while (runEnds != 0) {
                const std::size_t separator = i + firstMarked(runEnds);
                text[separator] = ',';
                commas.note(separator);
                runEnds &= runEnds - 1;
            }
        }
    }
    for (; i < size; ++i) {
        if (text[i] == ' ' && (i + 1 == size || text[i + 1] != ' ')) {
            text[i] = ',';
            commas.note(i);
        }
    }

    // Left to right over our separators: the first data token, examined
    // with the token to its right; the right-most token is never examined.
    const std::string_view view(line);
    const auto span = [&](std::size_t from, std::size_t end) {
        return std::string_view(view.data() + from, std::min(end, size) - from);
    };
    // A line whose first token is already data has no identifier: its
    // separators all stay, or the minutes of a longitude followed by a
    // height (which read like latitude degrees and minutes) would glue the
    // coordinates before them into one field. A house number followed by a
    // word ("12 South Rd") stays an identifier: a letter does not count here.

    // Without a comma of the line's own, the separators are the noted
    // commas (unless there were too many to note), and the search runs
    // over them.
    if (ownComma == std::string::npos && commas.complete) {
        const std::size_t n = commas.count;
        const auto after = [&](std::size_t k) { return k < n ? commas.at[k] : std::string::npos; };
        if (n == 0)
            return;
        if (startsLikeANumber(line) &&
            isDataToken(view.substr(0, commas.at[0]), span(commas.at[0] + 1, after(1)), false))
            return;
        for (std::size_t k = 0; k + 1 < n; ++k) {
            const std::size_t separator = commas.at[k];
            const std::size_t next = commas.at[k + 1];
            if (isDataToken(span(separator + 1, next), span(next + 1, after(k + 2)))) {
                // Everything before the data token is one field (an
                // identifier with blanks): our separators left of it
                // become blanks again.
                for (std::size_t j = 0; j < k; ++j)
                    text[commas.at[j]] = ' ';
                commas.dropFirst(k);
                return;
            }
        }
        return;
    }

    const auto nextSeparator = [&](std::size_t from) {
        std::size_t p = commaFrom(line, from);
        if (p != std::string::npos && p == ownComma)
            p = commaFrom(line, p + 1);
        return p;
    };
    std::size_t separator = nextSeparator(0);
    if (separator == std::string::npos)
        return;
    // The token after a separator ends at the next comma of either kind,
    // which is also the next separator unless it is the line's own comma.
    // (The first separator is the line's first comma unless the line's own
    // comma stands before it.)
    std::size_t tokenEnd = commaFrom(view, separator + 1);
    if (startsLikeANumber(line) && (ownComma == std::string::npos || ownComma > separator)) {
        if (isDataToken(view.substr(0, separator), span(separator + 1, tokenEnd), false))
            return;
    }
    while (tokenEnd != std::string::npos) {
        const std::size_t next = tokenEnd == ownComma ? commaFrom(view, tokenEnd + 1) : tokenEnd;
        if (next == std::string::npos)
            break;
        const std::size_t neighbourEnd = commaFrom(view, next + 1);
        if (isDataToken(span(separator + 1, tokenEnd), span(next + 1, neighbourEnd))) {
            // Everything before the data token is one field (an identifier
            // with blanks): our separators left of it become blanks again.
            for (std::size_t p = 0; p < separator; ++p)
                if (line[p] == ',' && p != ownComma)
                    line[p] = ' ';
            return;
        }
        separator = next;
        tokenEnd = neighbourEnd;
    }
}

// Cuts the rewritten line into fields at its commas; a field that starts
// with a double quote runs to the first comma after its closing quote.
// False when a quote was left open, which ends the splitting.
template <typename Fields>
bool cutFields(std::string_view line, Fields& fields, std::size_t from = 0)
{
    std::size_t p = from;
    while (p < line.size()) {
        std::size_t closingQuote = std::string_view::npos;
        if (line[p] == '"') {
            closingQuote = line.find('"', p + 1);
            // An unclosed quote ends the splitting of the line.
            if (closingQuote == std::string_view::npos)
                return false;
        }
        std::size_t comma = commaFrom(line, p);
        if (comma == std::string_view::npos)
            return true;
        std::size_t end = comma;
        if (closingQuote != std::string_view::npos && comma < closingQuote) {
            while (comma != std::string_view::npos && comma < closingQuote)
                comma = commaFrom(line, comma + 1);
            if (comma == std::string_view::npos) {
                // No comma after the quote: the field ends at the quote.
                fields.emplace_back(trimmed(line.substr(p, closingQuote + 1 - p)));
                return true;
            }
            end = comma;
        }
        // The field lies within the line: no bounds check needed.
        fields.emplace_back(trimmed(std::string_view(line.data() + p, end - p)));
        p = end + 1;
    }
    return true;
}

bool isBlankOrTab(char c)
{
    return c == ' ' || c == '\t';
}

void prepareLine(std::string& line, LineCommas& commas)
{
    // Blanks and tabs at the end separate nothing: dropped, they cannot
    // form an empty last field or make the last value a data token.
    std::size_t end = line.size();
    while (end > 0 && isBlankOrTab(line[end - 1]))
        --end;
    if (end != line.size())
        line.resize(end);
    if (line.find('\t') != std::string::npos)
        std::replace(line.begin(), line.end(), '\t', ',');
    // Only whether there are two commas matters: the search stops at the second.
    const std::size_t firstComma = line.find(',');
    if (firstComma == std::string::npos || line.find(',', firstComma + 1) == std::string::npos) {
        spacesToCommasInPlace(line, firstComma, commas);
        commas.complete = commas.complete && firstComma == std::string::npos;
    } else {
        commas.complete = false;
    }
    commas.note(line.size());
    line.push_back(',');
}

// cutFields for a line whose commas are all noted: the fields lie between
// them, and replace the list's fields in place (its length rarely changes
// from line to line). A field that starts with a double quote hands the
// rest of the line to cutFields.
template <typename Fields>
bool cutAtNotedCommas(std::string_view line, const LineCommas& commas, Fields& fields)
{
    fields.resize(commas.count);
    std::size_t start = 0;
    for (std::size_t k = 0; k < commas.count; ++k) {
        if (line[start] == '"') {
            fields.resize(k);
            return cutFields(line, fields, start);
        }
        const std::size_t comma = commas.at[k];
        fields[k] = trimmed(std::string_view(line.data() + start, comma - start));
        start = comma + 1;
    }
    return true;
}

template <typename Fields>
LineSplit splitInto(std::string& line, bool forRun, Fields& fields)
{
    LineCommas commas;
    prepareLine(line, commas);
    LineSplit split;
    if (commas.complete) {
        split.quoteOpen = !cutAtNotedCommas(std::string_view(line), commas, fields);
    } else {
        fields.clear();
        split.quoteOpen = !cutFields(std::string_view(line), fields);
    }
    split.lineFields = fields.size();
    // The empty fields of the closing commas are added directly, without
    // cutting them; a quote left open stops before them.
    if (forRun && !split.quoteOpen) {
        const std::string_view empty = std::string_view(line).substr(line.size());
        for (std::size_t i = 0; i < kRunClosingFields; ++i)
            fields.emplace_back(empty);
    }
    return split;
}

// Inline in the heading test, which asks it of every field of a line.
inline bool isNumberText(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return kNumberCharacters[static_cast<unsigned char>(c)];
    });
}

template <typename Fields>
bool isNonData(std::string_view line, const Fields& fields)
{
    if (line.empty() || line.front() == '#')
        return true;
    const std::size_t n = fields.size();
    if (n <= 2)
        return false;
    // A heading has more than half of the fields not numbers; the count
    // stops as soon as the answer is known either way.
    const std::size_t limit = n / 2;
    const std::size_t examined = n - 1;
    std::size_t notNumbers = 0;
    std::size_t numbers = 0;
    for (std::size_t i = 1; i < n; ++i) {
        if (!isNumberText(fields[i])) {
            if (++notNumbers > limit)
                return true;
        } else if (++numbers >= examined - limit) {
            return false;  // too few fields left to pass the limit
        }
    }
    return false;
}

}  // namespace

LineSplit SplitLine(std::string& line, bool forRun, FieldViews& fields)
{
    const LineSplit split = splitInto(line, forRun, fields);
    if (forRun && fields.size() < kRunFieldCount)
        fields.resize(kRunFieldCount, kFiller);
    return split;
}

std::vector<std::string> SplitLine(std::string line, bool forRun)
{
    std::vector<std::string> fields;
    splitInto(line, forRun, fields);
    if (forRun && fields.size() < kRunFieldCount)
        fields.resize(kRunFieldCount, std::string(kFiller));
    return fields;
}

std::string SpacesToCommas(std::string line)
{
    const std::size_t ownComma = line.find(',');
    LineCommas commas;
    spacesToCommasInPlace(line, ownComma, commas);
    return line;
}

bool IsNumberText(std::string_view text)
{
    return isNumberText(text);
}

bool IsBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), isBlankOrTab);
}

bool IsNonDataLine(std::string_view line, const FieldViews& fields)
{
    return isNonData(line, fields);
}

bool IsNonDataLine(std::string_view line, const std::vector<std::string>& fields)
{
    return isNonData(line, fields);
}

namespace {

template <typename Fields>
HemisphereLetters takeLetters(Fields& fields)
{
    HemisphereLetters letters;
    // Field 0 is never a letter field; a removed field's place is examined
    // again, since the next field has moved into it. Most records hold no
    // one-character field at all: a plain pass finds the first one.
    std::size_t i = 1;
    for (const std::size_t n = fields.size(); i < n && fields[i].size() != 1;)
        ++i;
    while (i < fields.size()) {
        const std::string_view f = fields[i];
        // Nearly every field is longer than a letter (or empty).
        if (f.size() != 1) {
            ++i;
            continue;
        }
        const char c = f.front();
        if (c == 'N' || c == 'n')
            letters.latitude = "N";
        else if (c == 'S' || c == 's')
            letters.latitude = "S";
        else if (c == 'E' || c == 'e')
            letters.longitude = "E";
        else if (c == 'W' || c == 'w')
            letters.longitude = "W";
        else {
            ++i;
            continue;
        }
        fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return letters;
}

}  // namespace

HemisphereLetters TakeHemisphereLetters(FieldViews& fields)
{
    return takeLetters(fields);
}

HemisphereLetters TakeHemisphereLetters(std::vector<std::string>& fields)
{
    return takeLetters(fields);
}

}  // namespace tessara
