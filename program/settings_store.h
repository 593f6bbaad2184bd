#pragma once

#include <string>
#include <string_view>

namespace tessara {

// The per-user settings store: values by section and key, kept as strings
// or whole numbers. The desktop program keeps them in the user's settings
// under its organisation and name; tests use a store in memory.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The value's text, or the default when the value is missing.
    virtual std::string readString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    // The value as a whole number, or the default when the value is missing
    // or is not a whole number that fits.
    virtual int readInteger(std::string_view section, std::string_view key,
                            int defaultValue) const = 0;

    virtual void writeString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    virtual void writeInteger(std::string_view section, std::string_view key, int value) = 0;

    // Deletes the value; nothing happens when it is missing.
    virtual void remove(std::string_view section, std::string_view key) = 0;
};

// Reading whole numbers from stored text, the same for every store: the
// whole text must be one decimal number (blanks around it allowed) within
// the range of int.
bool parseStoredInteger(std::string_view text, int& value);

}  // namespace tessara
