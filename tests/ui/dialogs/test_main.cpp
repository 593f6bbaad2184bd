// Runs the dialog tests in one process, offscreen unless told otherwise,
// with every per-user folder and the settings in a temporary folder.
#include "tests/ui/dialogs/test_classes.h"
#include "tests/ui/test_environment.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char** argv)
{
    const QTemporaryDir home;
    if (!tessara::testing::prepareTestEnvironment(home))
        return 1;
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());

    int failures = 0;
    using namespace tessara::testing;
    for (QObject* test : {&parameterDialogsTest(), &convertDialogTest()})
        failures += QTest::qExec(test, argc, argv);
    return failures == 0 ? 0 : 1;
}
