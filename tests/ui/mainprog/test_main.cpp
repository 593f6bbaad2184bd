// Runs every widget test class of the tessara program in one process, with
// every per-user folder and the settings store in a temporary folder.
#include "tests/ui/mainprog/test_classes.h"
#include "tests/ui/test_environment.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

int main(int argc, char** argv)
{
    const QTemporaryDir home;
    if (!tessara::testing::prepareTestEnvironment(home))
        return 1;
    tessara::testing::useLaptopScreen(home);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kalmora"));
    QApplication::setApplicationName(QStringLiteral("Tessara"));
    QLocale::setDefault(QLocale::c());

    int failures = 0;
    using namespace tessara::testing;
    for (QObject* test : {&mainFormTest(), &shellTest(), &dialogsTest()})
        failures += QTest::qExec(test, argc, argv);
    return failures == 0 ? 0 : 1;
}
