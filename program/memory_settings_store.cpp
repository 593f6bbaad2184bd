#include "program/memory_settings_store.h"

#include "values/number_text.h"

namespace tessara {

std::string MemorySettingsStore::readString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) const
{
    const std::optional<std::string> stored = value(section, key);
    return stored ? *stored : std::string(defaultValue);
}

int MemorySettingsStore::readInteger(std::string_view section, std::string_view key,
                                     int defaultValue) const
{
    const std::optional<std::string> stored = value(section, key);
    int number = 0;
    return stored && parseStoredInteger(*stored, number) ? number : defaultValue;
}

void MemorySettingsStore::writeString(std::string_view section, std::string_view key,
                                      std::string_view value)
{
    values_.insert_or_assign(Key(section, key), std::string(value));
}

void MemorySettingsStore::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, numtext::integer(value));
}

void MemorySettingsStore::remove(std::string_view section, std::string_view key)
{
    values_.erase(Key(section, key));
}

std::optional<std::string> MemorySettingsStore::value(std::string_view section,
                                                      std::string_view key) const
{
    const auto it = values_.find(Key(section, key));
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

}  // namespace tessara
