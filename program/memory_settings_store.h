#pragma once

#include "program/settings_store.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace tessara {

// A settings store held in memory, with the behaviour of the stored one:
// every value is text, whole numbers are written in decimal.
class MemorySettingsStore final : public SettingsStore {
public:
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    int readInteger(std::string_view section, std::string_view key,
                    int defaultValue) const override;
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    void writeInteger(std::string_view section, std::string_view key, int value) override;
    void remove(std::string_view section, std::string_view key) override;

    // The stored text, if the value exists.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::size_t size() const { return values_.size(); }

private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::string> values_;
};

}  // namespace tessara
