#include "program/display_list.h"

#include "program/settings_store.h"
#include "params/name_list.h"
#include "params/parameter_store.h"
#include "values/number_text.h"

#include <string>

namespace tessara {
namespace {

std::string valueName(int index) { return "Param" + numtext::integer(index); }

}  // namespace

void applyDisplayFlags(ParameterStore& store, const SettingsStore& settings)
{
    for (int i = 0;; ++i) {
        const std::string value = settings.readString(kParameterListSection, valueName(i), "");
        if (value.empty())
            return;
        const std::size_t equals = value.find('=');
        // No set name before an "=": nothing to apply.
        if (equals == std::string::npos || equals == 0)
            continue;
        const std::string name = value.substr(0, equals);
        const std::string_view flag = std::string_view(value).substr(equals + 1);
        const bool displayed = !equalIgnoringCase(flag, "false");
        store.setDisplayed(name, displayed);
    }
}

void saveDisplayFlags(const ParameterStore& store, SettingsStore& settings)
{
    for (int i = 0;; ++i) {
        const std::string name = valueName(i);
        if (settings.readString(kParameterListSection, name, "").empty())
            break;
        settings.remove(kParameterListSection, name);
    }
    int index = 0;
    for (const auto& [name, set] : store) {
        settings.writeString(kParameterListSection, valueName(index),
                             name + "=" + (set.displayed ? "true" : "false"));
        ++index;
    }
}

}  // namespace tessara
