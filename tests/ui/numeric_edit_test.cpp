#include "widgets/numeric_edit.h"
#include "tests/ui/test_environment.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLocale>
#include <QMenu>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
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

}  // namespace

// The key and paste rules themselves are table-tested in the core filter's
// tests; these check that every way text enters the widget goes through them.
class NumericEditTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useLocale(QLocale::c()); }

    void keys();
    void everyPastePathIsFiltered();
    void copyCutAndEditingShortcutsPass();
    void decimalCommaLocale();
    void composedTextIsFiltered();
};

void NumericEditTest::keys()
{
    struct Case {
        const char* name;
        const char* field;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* expected;
        int beeps;
    };
    const Case cases[] = {
        {"digit beyond the decimal places beeps", "1.234|", Qt::Key_5, {}, "1.234|", 1},
        // The line edit's own Ctrl+K would delete to the end of the field.
        {"ctrl+letter swallowed", "|12", Qt::Key_K, Qt::ControlModifier, "|12", 0},
        {"backspace passes", "12|", Qt::Key_Backspace, {}, "1|", 0},
    };
    for (const Case& c : cases) {
        CountingEdit edit(3, true);
        setMarked(edit, c.field);
        QTest::keyClick(&edit, c.key, c.modifiers);
        QVERIFY2(marked(edit) == c.expected, c.name);
        QVERIFY2(edit.beeps == c.beeps, c.name);
    }
}

// Ctrl+V, Shift+Insert, the context menu and the slot; dropped text would go
// in unfiltered.
void NumericEditTest::everyPastePathIsFiltered()
{
    const std::function<void(CountingEdit&)> paths[] = {
        [](CountingEdit& e) { QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier); },
        [](CountingEdit& e) { QTest::keyClick(&e, Qt::Key_Insert, Qt::ShiftModifier); },
        [](CountingEdit& e) {
            const std::unique_ptr<QMenu> menu(e.createStandardContextMenu());
            QAction* action = pasteAction(*menu);
            QVERIFY(action != nullptr);
            action->trigger();
        },
        [](CountingEdit& e) { e.paste(); },
    };
    for (const auto& paste : paths) {
        CountingEdit edit(2, false);
        QApplication::clipboard()->setText(" 12.345x");
        paste(edit);
        QCOMPARE(marked(edit), QString("12.34|"));
        QVERIFY(!edit.acceptDrops());
    }
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
