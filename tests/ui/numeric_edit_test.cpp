#include "app/controls/numeric_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLocale>
#include <QMenu>
#include <QScopeGuard>
#include <QSettings>
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

class NumericEditTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useLocale(QLocale::c()); }

    void keys_data();
    void keys();
    void paste_data();
    void paste();
    void everyPastePathIsFiltered_data();
    void everyPastePathIsFiltered();
    void copyCutAndEditingShortcutsPass();
    void decimalCommaLocale();
    void composedText_data();
    void composedText();
};

void NumericEditTest::keys_data()
{
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("typed");  // null: what QTest types for the key

    const auto row = [](const char* name, int places, const char* field, Qt::Key key, int modifiers,
                        const char* expected, int beeps, const char* typed = nullptr) {
        QTest::newRow(name) << places << true << QString(field) << int(key) << modifiers
                            << QString(expected) << beeps << QString(typed);
    };
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    const int keypad = Qt::KeypadModifier;
    row("full decimals, digit at the end beeps", 3, "1.234|", Qt::Key_5, 0, "1.234|", 1);
    row("full decimals, selected digit replaced", 3, "1.23[4]", Qt::Key_9, 0, "1.239|", 0);
    row("whole-number field, decimal key beeps", 0, "12|", Qt::Key_Period, 0, "12|", 1);
    row("digit in front of the sign beeps", 3, "|-3", Qt::Key_4, 0, "|-3", 1);
    row("keypad minus types the sign", 3, "|5", Qt::Key_Minus, keypad, "-|5", 0);
    row("keypad comma types the decimal symbol", 3, "1|", Qt::Key_Comma, keypad, "1.|", 0);
    row("ctrl+digit beeps", 3, "1|", Qt::Key_2, ctrl, "1|", 1);
    row("ctrl+keypad digit is typed", 3, "1|", Qt::Key_2, ctrl | keypad, "12|", 0);
    row("shift+digit typing the digit", 3, "1|", Qt::Key_2, shift, "12|", 0, "2");
    row("shift+digit typing a symbol beeps", 3, "1|", Qt::Key_2, shift, "1|", 1, "\"");
    row("ctrl+letter swallowed", 3, "|12", Qt::Key_K, ctrl, "|12", 0);
    row("comma swallowed in a decimal-point locale", 3, "1|", Qt::Key_Comma, 0, "1|", 0);
    row("space beeps", 3, "1|", Qt::Key_Space, 0, "1|", 1);
    row("backspace passes", 3, "12|", Qt::Key_Backspace, 0, "1|", 0);
    QTest::newRow("subtract where negatives are not allowed beeps")
        << 3 << false << "|5" << int(Qt::Key_Minus) << 0 << "|5" << 1 << QString();
}

void NumericEditTest::keys()
{
    QFETCH(int, places);
    QFETCH(bool, negative);
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    QFETCH(QString, typed);

    CountingEdit edit(places, negative);
    setMarked(edit, field);
    const auto mods = Qt::KeyboardModifiers::fromInt(static_cast<unsigned>(modifiers));
    if (typed.isNull())
        QTest::keyClick(&edit, Qt::Key(key), mods);
    else
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key(key), typed, mods);
    QCOMPARE(marked(edit), expected);
    QCOMPARE(edit.beeps, beeps);
}

void NumericEditTest::paste_data()
{
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");

    QTest::newRow("whole-number field takes 1 of 1.5") << 0 << true << "|" << "1.5" << "1|" << 0;
    QTest::newRow("-5 where negatives are not allowed") << 3 << false << "|" << "-5" << "|" << 1;
    QTest::newRow("blanks and letters around 42") << 3 << false << "|" << "  42abc" << "42|" << 0;
    QTest::newRow("caret after the pasted digits") << 3 << false << "1|9" << "55" << "155|9" << 0;
    QTest::newRow("over a selection, decimals cut") << 2 << false << "[1]" << "1.567" << "1.56|" << 0;
    QTest::newRow("negative field, nothing selected") << 3 << true << "-3|" << "4" << "-3|" << 1;
}

void NumericEditTest::paste()
{
    QFETCH(int, places);
    QFETCH(bool, negative);
    QFETCH(QString, field);
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    QFETCH(int, beeps);

    CountingEdit edit(places, negative);
    setMarked(edit, field);
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
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
    QApplication::clipboard()->setText("2.75");
    setMarked(edit, "[3,]");
    edit.paste();
    QCOMPARE(marked(edit), QString("2|"));
    QApplication::clipboard()->setText("2,756");
    setMarked(edit, "[2]");
    edit.paste();
    QCOMPARE(marked(edit), QString("2,75|"));
    QCOMPARE(edit.beeps, 0);
}

void NumericEditTest::composedText_data()
{
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    QTest::newRow("digits") << "12" << "7.12|" << 0;
    QTest::newRow("too many decimals") << "123" << "7.|" << 1;
    QTest::newRow("letters") << "1a" << "7.|" << 0;
}

void NumericEditTest::composedText()
{
    QFETCH(QString, commit);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    CountingEdit edit(2, false);
    setMarked(edit, "7.|");
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(&edit, &event);
    QCOMPARE(marked(edit), expected);
    QCOMPARE(edit.beeps, beeps);
}

// Runs offscreen unless told otherwise, with every per-user folder and the
// settings store in a temporary folder, never the user's own.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QByteArray path = QFile::encodeName(home.path());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, path);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());

    QApplication app(argc, argv);
    NumericEditTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "numeric_edit_test.moc"
