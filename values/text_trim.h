#pragma once

#include <string_view>

namespace tessara {

// White space as the C locale's isspace sees it (blank, tab, line feed,
// vertical tab, form feed, carriage return), whatever the process locale.
constexpr bool isCSpace(char c)
{
    // Most characters lie above the blank: one comparison settles them.
    return static_cast<unsigned char>(c) <= ' ' && (c == ' ' || (c >= '\t' && c <= '\r'));
}

// The text without C white space at either end.
constexpr std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isCSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isCSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace tessara
