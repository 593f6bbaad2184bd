#pragma once

#include <span>
#include <string_view>

namespace tessara {

// One short code of a stored choice and the number it stands for.
struct SettingCode {
    std::string_view text;
    int value;
};

// The number of the code that equals the text exactly (letter case
// counts), or the fallback when none does.
int decodeSetting(std::span<const SettingCode> codes, std::string_view text, int fallback);

// The code of a number, or the fallback text for a number without a code.
std::string_view encodeSetting(std::span<const SettingCode> codes, int value,
                               std::string_view fallback);

}  // namespace tessara
