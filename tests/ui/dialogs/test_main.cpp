// Runs the dialog tests in one process, offscreen unless told otherwise,
// with every per-user folder and the settings in a temporary folder.
#include "tests/ui/dialogs/test_classes.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QByteArray path = QFile::encodeName(home.path());
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, path);
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());

    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());

    int failures = 0;
    using namespace tessara::testing;
    for (QObject* test : {&parameterDialogsTest(), &convertDialogTest()})
        failures += QTest::qExec(test, argc, argv);
    return failures == 0 ? 0 : 1;
}
