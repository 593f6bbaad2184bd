#include "cli/field_text.h"

namespace tessara::cli {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

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
