// Runs every widget test class in one process, with every per-user folder
// and the settings store in a temporary folder.
#include "tests/ui/test_environment.h"

#include <QLocale>
#include <QTest>

#include <memory>

namespace tessara::testing {
QObject* makeWidgetsTest();
QObject* makeMainWindowTest();
QObject* makeDialogsTest();
}  // namespace tessara::testing

int main(int argc, char** argv)
{
    using namespace tessara::testing;
    const QTemporaryDir home;
    if (!prepareTestEnvironment(home))
        return 1;
    useLaptopScreen(home);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    int failures = 0;
    for (auto* make : {makeWidgetsTest, makeMainWindowTest, makeDialogsTest}) {
        const std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
