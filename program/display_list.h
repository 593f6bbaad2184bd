#pragma once

#include <string_view>

namespace tessara {

class ParameterStore;
class SettingsStore;

// Which sets the main form offers is kept in the settings, section
// "ITRF Parameter List": values "Param0", "Param1", ... each holding a set's
// name, "=" and "true" or "false", numbered densely from 0.
inline constexpr std::string_view kParameterListSection = "ITRF Parameter List";

// Applies the kept flags to the store, from Param0 up to the first missing or
// empty value. A value without "=" or with "=" first, or naming no set of the
// store, is skipped; the flag is false only for "false" in any letter case.
void applyDisplayFlags(ParameterStore& store, const SettingsStore& settings);

// Replaces the kept list by one value per set of the store, built-in sets
// included.
void saveDisplayFlags(const ParameterStore& store, SettingsStore& settings);

}  // namespace tessara
