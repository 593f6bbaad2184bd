#pragma once

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace tessara::testing {

// Before the application object: offscreen unless told otherwise, and every
// per-user folder and the settings store in one temporary folder of the
// process, never the user's own.
inline bool prepareTestEnvironment(const QTemporaryDir& home)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!home.isValid())
        return false;
    const QByteArray path = QFile::encodeName(home.path());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, path);
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    return true;
}

}  // namespace tessara::testing
