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

// The offscreen platform's own screen is 800 x 800. Windows that fit
// themselves to the screen are tested on a common laptop screen instead
// (1366 x 768), unless another platform was asked for.
inline void useLaptopScreen(const QTemporaryDir& home)
{
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen")
        return;
    QFile config(home.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly))
        return;
    config.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,)"
                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
}

}  // namespace tessara::testing
