// The widgets library on its own. The numeric field: the key and paste
// rules are table-tested in the core filter's tests (NumericKeyFilter.*,
// NumericPaste.*); here every way text enters the widget goes through
// them. The Qt settings store: over a real settings file, the settings
// cases that the in-memory store passes in the core tests.
#include "program/display_list.h"
#include "program/settings.h"
#include "tests/program/settings_scenarios.h"
#include "tests/ui/test_environment.h"
#include "widgets/qsettings_store.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>

#include <functional>
#include <memory>

namespace tessara::testing {
namespace {

// A numeric edit that counts its beeps instead of sounding them.
class CountingEdit : public CNumericEdit {
public:
    explicit CountingEdit(int places) { setDecimalPlaces(places); }
    int beeps = 0;

protected:
    void beep() override { ++beeps; }
};

QString marked(const QLineEdit& edit)
{
    return QString(edit.text()).insert(edit.cursorPosition(), '|');
}

// Every restart writes the file, copies it under a new name and opens the
// copy, so each start parses the file afresh instead of reusing what the
// process still holds in memory.
class FileOpener final : public test::StoreOpener {
public:
    explicit FileOpener(QString folder) : folder_(std::move(folder)) {}

    SettingsStore& reopen() override
    {
        store_.reset();
        const QString previous = path(generation_);
        const QString next = path(++generation_);
        if (QFile::exists(previous))
            QFile::copy(previous, next);
        store_ = std::make_unique<QSettingsStore>(
            std::make_unique<QSettings>(next, QSettings::IniFormat));
        return *store_;
    }

private:
    QString path(int generation) const { return folder_ + QStringLiteral("/start%1.ini").arg(generation); }

    QString folder_;
    int generation_ = 0;
    std::unique_ptr<QSettingsStore> store_;
};

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void everyWayInIsFiltered()
    {
        // Keys: a digit beyond the places beeps; the line edit's own Ctrl+K
        // (delete to the end) is swallowed; editing keys, cut and undo pass.
        CountingEdit keys(3);
        QTest::keyClicks(&keys, QStringLiteral("1.2345"));
        QTest::keyClick(&keys, Qt::Key_Home);
        QTest::keyClick(&keys, Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(&keys, Qt::Key_End);
        QTest::keyClick(&keys, Qt::Key_Backspace);
        QCOMPARE(marked(keys), QStringLiteral("1.23|"));
        QCOMPARE(keys.beeps, 1);
        QTest::keyClick(&keys, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&keys, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text() + keys.text(), QStringLiteral("1.23"));
        QTest::keyClick(&keys, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(keys.text() + QString::number(keys.beeps), QStringLiteral("1.231"));

        // The paste key and the context menu, each one step of the field's
        // history; no drops.
        const std::function<void(CountingEdit&)> pastes[] = {
            [](CountingEdit& e) { QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier); },
            [](CountingEdit& e) {
                const std::unique_ptr<QMenu> menu(e.createStandardContextMenu());
                for (QAction* action : menu->actions())
                    if (action->text().startsWith(QLineEdit::tr("&Paste")))
                        action->trigger();
            },
        };
        for (const auto& paste : pastes) {
            CountingEdit edit(2);
            QApplication::clipboard()->setText(QStringLiteral(" 12.345x"));
            paste(edit);
            QCOMPARE(marked(edit), QStringLiteral("12.34|"));
            QVERIFY(!edit.acceptDrops());
            QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(edit.text().isEmpty());
        }

        // Composed text is filtered too.
        CountingEdit composed(2);
        composed.setText(QStringLiteral("7."));
        QInputMethodEvent event;
        event.setCommitString(QStringLiteral("123"));
        QApplication::sendEvent(&composed, &event);
        QCOMPARE(marked(composed), QStringLiteral("7.|"));
        QCOMPARE(composed.beeps, 1);

        // The keypad's decimal key gives the locale's own decimal symbol.
        const FieldLocaleGuard germanFields;
        CountingEdit keypad(2);
        QTest::keyClick(&keypad, Qt::Key_3);
        QTest::keyClick(&keypad, Qt::Key_Period, Qt::KeypadModifier);
        QCOMPARE(marked(keypad), QStringLiteral("3,|"));
    }

    void scenarios()
    {
        for (const test::SettingsScenario& scenario : test::settingsScenarios()) {
            QTemporaryDir folder;
            FileOpener opener(folder.path());
            std::string report;
            for (const std::string& failure : scenario.run(opener))
                report += failure + "\n";
            QVERIFY2(report.empty(), (std::string(scenario.name) + ": " + report).c_str());
        }
    }

    // A name that is no text of the local encoding (written in another code
    // page) comes back byte for byte.
    void eightBitNamesKeepTheirBytes()
    {
        QTemporaryDir folder;
        FileOpener opener(folder.path());
        const std::string name = "R\xE9seau \xB0";
        opener.reopen().writeString(kParameterListSection, "Param0", name + "=false");
        QVERIFY(opener.reopen().readString(kParameterListSection, "Param0", "") == name + "=false");
    }
};

QObject* makeWidgetsTest() { return new WidgetsTest; }

}  // namespace tessara::testing

#include "widgets_test.moc"
