#include "cli/field_text.h"

namespace tessara::cli {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool fitsNumericField(std::string_view text, FieldRules rules)
{
    if (rules.allowSign && !text.empty() && text.front() == '-')
        text.remove_prefix(1);
    bool seenPoint = false;
    int decimals = 0;
    for (const char c : text) {
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (seenPoint)
                ++decimals;
        } else {
            return false;
        }
    }
    return decimals <= rules.maxDecimals;
}

int countDecimals(std::string_view text)
{
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty())
        return -1;
    const std::size_t point = trimmed.find('.');
    // No "." or a "." in front: the field shows no decimals.
    if (point == std::string_view::npos || point == 0)
        return 0;
    return static_cast<int>(trimmed.size() - point - 1);
}

std::vector<std::string> splitList(std::string_view text)
{
    std::vector<std::string> parts;
    for (;;) {
        const std::size_t comma = text.find(',');
        parts.emplace_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return parts;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace tessara::cli
