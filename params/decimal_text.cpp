#include "params/decimal_text.h"

#include "values/text_trim.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>

namespace tessara::editor {
namespace {

// More decimals than a double can tell apart add only zeros or noise.
constexpr int kMaxShownDecimals = 40;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Optional "-", digits and at most one ".", at least one digit.
bool isPlainDecimal(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    bool seenPoint = false;
    bool seenDigit = false;
    for (const char c : text) {
        if (isDigit(c))
            seenDigit = true;
        else if (c == '.' && !seenPoint)
            seenPoint = true;
        else
            return false;
    }
    return seenDigit;
}

}  // namespace

std::optional<double> readDecimal(std::string_view text)
{
    // The pattern is checked first: from_chars alone would take "inf" and "nan".
    if (!isPlainDecimal(text))
        return std::nullopt;
    double value = 0.0;
    const char* const end = text.data() + text.size();
    const std::from_chars_result read =
        std::from_chars(text.data(), end, value, std::chars_format::fixed);
    // Out of range would be an infinity, which no field can show again.
    if (read.ec != std::errc() || read.ptr != end)
        return std::nullopt;
    return value;
}

std::string fixedDecimals(double value, int decimals)
{
    // 309 digits before the point of the largest double, the sign, the point
    // and the decimals.
    std::array<char, 320 + kMaxShownDecimals> buffer{};
    const int precision = std::clamp(decimals, 0, kMaxShownDecimals);
    const std::to_chars_result written = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, precision);
    return std::string(buffer.data(), written.ptr);
}

int countDecimals(std::string_view text)
{
    const std::string_view digits = trimmed(text);
    if (digits.empty())
        return -1;
    const std::size_t point = digits.find('.');
    // No "." or a "." in front: the field shows no decimals.
    if (point == std::string_view::npos || point == 0)
        return 0;
    return static_cast<int>(digits.size() - point - 1);
}

}  // namespace tessara::editor
