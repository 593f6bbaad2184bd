#include "values/number_text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>  // newlocale, strtod_l, strtol_l

namespace tessara::numtext {
namespace {

// The C locale, created once and never freed (it lives as long as the process).
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

// strtod_l/strtol_l need a NUL-terminated text; a string_view may not be
// one, and a std::string may hold NULs. Copy up to the first NUL (where the
// C functions stop anyway) into a terminated buffer.
template <typename Fn>
auto withTerminated(std::string_view text, Fn fn)
{
    const std::size_t end = std::min(text.find('\0'), text.size());
    char small[128];
    if (end < sizeof small) {
        std::copy_n(text.data(), end, small);
        small[end] = '\0';
        return fn(static_cast<const char*>(small));
    }
    const std::string copy(text.substr(0, end));
    return fn(copy.c_str());
}

constexpr int kMaxPrecision = 40;

}  // namespace

Scan<double> scanReal(std::string_view text)
{
    return withTerminated(text, [](const char* s) {
        char* end = nullptr;
        const int savedErrno = errno;
        const double v = strtod_l(s, &end, cLocale());
        errno = savedErrno;
        return Scan<double>{v, static_cast<std::size_t>(end - s)};
    });
}

Scan<long> scanInteger(std::string_view text)
{
    return withTerminated(text, [](const char* s) {
        char* end = nullptr;
        const int savedErrno = errno;
        const long v = strtol_l(s, &end, 10, cLocale());
        errno = savedErrno;
        return Scan<long>{v, static_cast<std::size_t>(end - s)};
    });
}

bool readWholeReal(std::string_view text, double& value)
{
    const Scan<double> scan = scanReal(text);
    value = scan.value;
    return scan.length == text.size();
}

bool readWholeInteger(std::string_view text, long& value)
{
    const Scan<long> scan = scanInteger(text);
    value = scan.value;
    return scan.length == text.size();
}

double leadingReal(std::string_view text)
{
    return scanReal(text).value;
}

std::string fixed(double value, int precision)
{
    precision = std::clamp(precision, 0, kMaxPrecision);
    // The largest double has 309 integer digits.
    char buffer[320 + kMaxPrecision];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    return std::string(buffer, result.ptr);
}

std::string fixedZeroPadded(double value, int width, int precision)
{
    std::string text = fixed(value, precision);
    if (width <= 0 || text.size() >= static_cast<std::size_t>(width))
        return text;
    const std::size_t pad = static_cast<std::size_t>(width) - text.size();
    if (!std::isfinite(value))
        return std::string(pad, ' ') + text;
    // Zeros go between the sign and the digits, as printf's 0 flag does.
    const std::size_t at = (text[0] == '-') ? 1 : 0;
    text.insert(at, pad, '0');
    return text;
}

std::string fixedBlankPadded(double value, int width, int precision)
{
    std::string text = fixed(value, precision);
    if (width > 0 && text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string integer(long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string integerTwoDigits(long value)
{
    std::string text = integer(value);
    // The width counts the sign, as printf's does: -5 stays "-5".
    if (text.size() < 2)
        text.insert(0, 2 - text.size(), '0');
    return text;
}

std::string format(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char conversion = pattern[i + 1];
            if (conversion == 's') {
                if (next != args.end()) {
                    const std::string_view arg = *next++;
                    out.append(arg.substr(0, std::min(arg.find('\0'), arg.size())));
                }
                ++i;
                continue;
            }
            if (conversion == '%') {
                out.push_back('%');
                ++i;
                continue;
            }
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace tessara::numtext
