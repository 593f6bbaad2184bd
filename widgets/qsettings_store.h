#pragma once

#include "program/settings_store.h"

#include <QtGlobal>

#include <memory>

QT_BEGIN_NAMESPACE
class QSettings;
QT_END_NAMESPACE

namespace tessara {

// The settings store of the desktop program: QSettings("Kalmora", "Tessara")
// in the platform's native format, one group per section. Texts cross as the
// local 8-bit encoding, as every text of the core does.
class QSettingsStore final : public SettingsStore {
public:
    // The user's settings of the transformation program.
    QSettingsStore();
    // Any settings object, e.g. an ini file of a test.
    explicit QSettingsStore(std::unique_ptr<QSettings> settings);
    ~QSettingsStore() override;
    QSettingsStore(const QSettingsStore&) = delete;
    QSettingsStore& operator=(const QSettingsStore&) = delete;

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    int readInteger(std::string_view section, std::string_view key,
                    int defaultValue) const override;
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    void writeInteger(std::string_view section, std::string_view key, int value) override;
    void remove(std::string_view section, std::string_view key) override;

    // Writes pending changes to permanent storage.
    void sync();

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace tessara
