#include "app/controls/numeric_edit.h"
#include "tests/ui/test_environment.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLocale>
#include <QMenu>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using tessara::CNumericEdit;

namespace {

// A numeric edit that counts its beeps instead of sounding them.
class CountingEdit : public CNumericEdit {
public:
    CountingEdit(int places, bool allowNegative)
    {
        setDecimalPlaces(places);
        setAllowNegative(allowNegative);
    }
    int beeps = 0;

protected:
    void beep() override { ++beeps; }
};

// Fields are written with the caret as "|" or the selection in "[...]".
void setMarked(QLineEdit& edit, QString marked)
{
    const qsizetype open = marked.indexOf('[');
    if (open >= 0) {
        const qsizetype close = marked.indexOf(']');
        edit.setText(marked.remove(close, 1).remove(open, 1));
        edit.setSelection(static_cast<int>(open), static_cast<int>(close - open - 1));
    } else {
        const qsizetype caret = marked.indexOf('|');
        edit.setText(marked.remove(caret, 1));
        edit.setCursorPosition(static_cast<int>(caret));
    }
}

QString marked(const QLineEdit& edit)
{
    return QString(edit.text()).insert(edit.cursorPosition(), '|');
}

void useLocale(const QLocale& locale)
{
    QLocale::setDefault(locale);
    CNumericEdit::reloadLocaleSymbols();
}

QAction* pasteAction(QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            return action;
    }
    return nullptr;
}

enum class PastePath { CtrlV, ShiftInsert, ContextMenu, Slot };

}  // namespace

Q_DECLARE_METATYPE(PastePath)

// The key and paste rules themselves are table-tested in the core filter's
// tests; these check that every way text enters the widget goes through them.
class NumericEditTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useLocale(QLocale::c()); }

    void keys_data();
    void keys();
    void everyPastePathIsFiltered_data();
    void everyPastePathIsFiltered();
    void copyCutAndEditingShortcutsPass();
    void decimalCommaLocale();
    void composedTextIsFiltered();
};

void NumericEditTest::keys_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    const auto row = [](const char* name, const char* field, Qt::Key key, int modifiers,
                        const char* expected, int beeps) {
        QTest::newRow(name) << QString(field) << int(key) << modifiers << QString(expected)
                            << beeps;
    };
    row("digit beyond the decimal places beeps", "1.234|", Qt::Key_5, 0, "1.234|", 1);
    // The line edit's own Ctrl+K would delete to the end of the field.
    row("ctrl+letter swallowed", "|12", Qt::Key_K, Qt::ControlModifier, "|12", 0);
    row("backspace passes", "12|", Qt::Key_Backspace, 0, "1|", 0);
}

void NumericEditTest::keys()
{
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(int, beeps);

    CountingEdit edit(3, true);
    setMarked(edit, field);
    QTest::keyClick(&edit, Qt::Key(key),
                    Qt::KeyboardModifiers::fromInt(static_cast<unsigned>(modifiers)));
    QCOMPARE(marked(edit), expected);
    QCOMPARE(edit.beeps, beeps);
}

void NumericEditTest::everyPastePathIsFiltered_data()
{
    QTest::addColumn<PastePath>("path");
    QTest::newRow("Ctrl+V") << PastePath::CtrlV;
    QTest::newRow("Shift+Insert") << PastePath::ShiftInsert;
    QTest::newRow("context menu") << PastePath::ContextMenu;
    QTest::newRow("paste slot") << PastePath::Slot;
}

void NumericEditTest::everyPastePathIsFiltered()
{
    QFETCH(PastePath, path);
    CountingEdit edit(2, false);
    QApplication::clipboard()->setText(" 12.345x");
    switch (path) {
    case PastePath::CtrlV:
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        break;
    case PastePath::ShiftInsert:
        QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case PastePath::ContextMenu: {
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QAction* action = pasteAction(*menu);
        QVERIFY(action != nullptr);
        action->trigger();
        break;
    }
    case PastePath::Slot:
        edit.paste();
        break;
    }
    QCOMPARE(marked(edit), QString("12.34|"));
    // Dropped text would go in unfiltered.
    QVERIFY(!edit.acceptDrops());
}

void NumericEditTest::copyCutAndEditingShortcutsPass()
{
    CountingEdit edit(2, false);
    QTest::keyClicks(&edit, "12");
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("12"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit.text(), QString("12"));
    // A paste is one step of the field's history.
    edit.end(false);
    edit.paste();
    QCOMPARE(edit.text(), QString("1212"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit.text(), QString("12"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(edit.text(), QString("1212"));
    QCOMPARE(edit.beeps, 0);
}

void NumericEditTest::decimalCommaLocale()
{
    const auto restore = qScopeGuard([] { useLocale(QLocale::c()); });
    useLocale(QLocale(QLocale::German));
    CountingEdit edit(2, true);
    QTest::keyClicks(&edit, "-1.,5");  // the period is punctuation here
    QCOMPARE(marked(edit), QString("-1,5|"));
    edit.clear();
    QTest::keyClick(&edit, Qt::Key_3);
    QTest::keyClick(&edit, Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(marked(edit), QString("3,|"));
    QApplication::clipboard()->setText("2,756");
    setMarked(edit, "[3,]");
    edit.paste();
    QCOMPARE(marked(edit), QString("2,75|"));
    QCOMPARE(edit.beeps, 0);
}

void NumericEditTest::composedTextIsFiltered()
{
    CountingEdit edit(2, false);
    setMarked(edit, "7.|");
    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("123"));
    QApplication::sendEvent(&edit, &event);
    QCOMPARE(marked(edit), QString("7.|"));
    QCOMPARE(edit.beeps, 1);
}

int main(int argc, char** argv)
{
    const QTemporaryDir home;
    if (!tessara::testing::prepareTestEnvironment(home))
        return 1;
    QApplication app(argc, argv);
    NumericEditTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "numeric_edit_test.moc"
