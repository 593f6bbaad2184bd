#include "program/setting_codes.h"

namespace tessara {

int decodeSetting(std::span<const SettingCode> codes, std::string_view text, int fallback)
{
    for (const SettingCode& code : codes) {
        if (code.text == text)
            return code.value;
    }
    return fallback;
}

std::string_view encodeSetting(std::span<const SettingCode> codes, int value,
                               std::string_view fallback)
{
    for (const SettingCode& code : codes) {
        if (code.value == value)
            return code.text;
    }
    return fallback;
}

}  // namespace tessara
