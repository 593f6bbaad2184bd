#include "widgets/qsettings_store.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

namespace tessara {
namespace {

QString fromText(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toText(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string toText(const QString& text) { return toText(text.toLocal8Bit()); }

// A stored value's bytes: kept as bytes when they were stored as such.
std::string toText(const QVariant& value)
{
    if (value.typeId() == QMetaType::QByteArray)
        return toText(value.toByteArray());
    // A value edited by hand with an unquoted comma reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return toText(value.toStringList().join(QLatin1Char(',')));
    return toText(value.toString());
}

// Texts are stored as strings, readable in the settings file; bytes that are
// no text of the local encoding (a name in another code page) are stored as
// bytes, so that nothing is lost on the way.
QVariant storedValue(std::string_view text)
{
    const QString string = fromText(text);
    if (string.toLocal8Bit() == QByteArrayView(text.data(), static_cast<qsizetype>(text.size())))
        return string;
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// A section is a group of the settings.
QString settingsKey(std::string_view section, std::string_view key)
{
    return fromText(section) + QLatin1Char('/') + fromText(key);
}

}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("Kalmora"), QStringLiteral("Tessara")))
{
}

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings))
{
}

QSettingsStore::~QSettingsStore() = default;

std::string QSettingsStore::readString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    const QVariant value = settings_->value(settingsKey(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    return toText(value);
}

int QSettingsStore::readInteger(std::string_view section, std::string_view key,
                                int defaultValue) const
{
    const QVariant value = settings_->value(settingsKey(section, key));
    int number = 0;
    if (!value.isValid() || !parseStoredInteger(toText(value), number))
        return defaultValue;
    return number;
}

void QSettingsStore::writeString(std::string_view section, std::string_view key,
                                 std::string_view value)
{
    settings_->setValue(settingsKey(section, key), storedValue(value));
}

void QSettingsStore::writeInteger(std::string_view section, std::string_view key, int value)
{
    settings_->setValue(settingsKey(section, key), value);
}

void QSettingsStore::remove(std::string_view section, std::string_view key)
{
    settings_->remove(settingsKey(section, key));
}

void QSettingsStore::sync() { settings_->sync(); }

}  // namespace tessara
