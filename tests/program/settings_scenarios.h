#pragma once

// Settings and display-list cases that every settings store must pass, run
// over the in-memory store here and over the Qt store in the widget tests.
// Each case returns the descriptions of what went wrong (empty: passed), so
// that either test framework can report them.

#include "program/settings_store.h"

#include <span>
#include <string>
#include <vector>

namespace tessara::test {

// Gives the store as a new start of the program finds it: the same values,
// read back from wherever the store keeps them.
class StoreOpener {
public:
    virtual ~StoreOpener() = default;
    virtual SettingsStore& reopen() = 0;
};

struct SettingsScenario {
    const char* name;
    std::vector<std::string> (*run)(StoreOpener& opener);
};

// Every case, each to be run on an empty store of its own.
std::span<const SettingsScenario> settingsScenarios();

// The program folder the cases load with.
inline constexpr const char* kScenarioProgramFolder = "/opt/tessara";

}  // namespace tessara::test
