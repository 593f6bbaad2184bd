#include "widgets/numeric_edit.h"

#include "values/numeric_filter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace tessara {
namespace {

NumericSymbols readLocaleSymbols()
{
    const QLocale locale;
    return symbolsFromLocale(locale.decimalPoint().toStdU32String(),
                             locale.negativeSign().toStdU32String());
}

NumericSymbols& localeSymbols()
{
    static NumericSymbols symbols = readLocaleSymbols();
    return symbols;
}

// QLineEdit counts positions in UTF-16 units, the filter in code points.
std::size_t codePointsBefore(const QString& text, int position)
{
    return static_cast<std::size_t>(QStringView(text).first(position).toUcs4().size());
}

int utf16Length(std::u32string_view text)
{
    return static_cast<int>(
        QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())).size());
}

NumericKey describeKey(const QKeyEvent& event, const NumericRules& rules)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    // Qt names a key that types a character by that character, upper case for
    // letters; the codes from Key_Escape on are keys that type none.
    const int code = event.key();
    const char32_t label = code > 0 && code < Qt::Key_Escape ? static_cast<char32_t>(code) : 0;
    const QList<uint> typed = event.text().toUcs4();
    NumericKey key;
    key.keypad = modifiers.testFlag(Qt::KeypadModifier);
    key.kind = classifyKey(label, key.keypad, rules);
    key.typed = typed.isEmpty() ? 0 : static_cast<char32_t>(typed.front());
    key.ctrl = modifiers.testFlag(Qt::ControlModifier);
    key.shift = modifiers.testFlag(Qt::ShiftModifier);
    return key;
}

// Shortcuts that copy, select, or step through the field's own history put
// nothing new into it.
bool isHarmlessShortcut(const QKeyEvent& event)
{
    for (const auto shortcut : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::SelectAll,
                                QKeySequence::Undo, QKeySequence::Redo}) {
        if (event.matches(shortcut))
            return true;
    }
    return false;
}

}  // namespace

CNumericEdit::CNumericEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // A drop would insert its text unfiltered; numbers are typed or pasted.
    setAcceptDrops(false);
}

void CNumericEdit::setAllowNegative(bool allow)
{
    allowNegative_ = allow;
}

void CNumericEdit::setDecimalPlaces(int places)
{
    // A negative count can only mean no decimals at all.
    decimalPlaces_ = std::max(places, 0);
}

void CNumericEdit::reloadLocaleSymbols()
{
    localeSymbols() = readLocaleSymbols();
}

NumericRules CNumericEdit::rules() const
{
    return NumericRules{allowNegative_, static_cast<std::size_t>(decimalPlaces_), localeSymbols()};
}

NumericField CNumericEdit::fieldState() const
{
    const QString current = text();
    const bool selected = hasSelectedText();
    const int start = selected ? selectionStart() : cursorPosition();
    const int end = selected ? selectionEnd() : cursorPosition();
    return NumericField{current.toStdU32String(), codePointsBefore(current, start),
                        codePointsBefore(current, end)};
}

void CNumericEdit::keyPressEvent(QKeyEvent* event)
{
    // A read-only field takes no text; QLineEdit still moves the caret and copies.
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return;
    }
    if (isHarmlessShortcut(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const NumericRules current = rules();
    const NumericKey key = describeKey(*event, current);
    switch (filterKey(fieldState(), key, current)) {
    case KeyVerdict::RefuseWithBeep:
        beep();
        return;
    case KeyVerdict::SwallowSilently:
        return;
    case KeyVerdict::Pass:
        break;
    }
    // The decimal and subtract keys, the keypad's included, type the locale's
    // symbols whatever the key itself would type.
    const bool symbolKey = key.kind == KeyKind::DecimalKey || key.kind == KeyKind::SubtractKey;
    const Qt::KeyboardModifiers typing = Qt::ShiftModifier | Qt::KeypadModifier;
    if (symbolKey && !(event->modifiers() & ~typing)) {
        const char32_t symbol = key.kind == KeyKind::DecimalKey ? current.symbols.decimal
                                                                : current.symbols.negative;
        insert(QString::fromUcs4(&symbol, 1));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CNumericEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (!isReadOnly() && !commit.isEmpty()) {
        const KeyVerdict verdict = filterComposedText(fieldState(), commit.toStdU32String(), rules());
        if (verdict != KeyVerdict::Pass) {
            if (verdict == KeyVerdict::RefuseWithBeep)
                beep();
            // The composition itself goes on; only the text it would commit is dropped.
            QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
            QLineEdit::inputMethodEvent(&withoutCommit);
            return;
        }
    }
    QLineEdit::inputMethodEvent(event);
}

void CNumericEdit::paste()
{
    pasteFrom(QClipboard::Clipboard);
}

void CNumericEdit::pasteFrom(QClipboard::Mode mode)
{
    // A read-only field takes no paste, like QLineEdit's own.
    if (isReadOnly())
        return;
    const QString clipboard = QGuiApplication::clipboard()->text(mode);
    const auto result = pasteInto(fieldState(), clipboard.toStdU32String(), rules());
    if (!result) {
        beep();
        return;
    }
    // Replacing the whole text in one insertion keeps the paste one undo step.
    selectAll();
    insert(QString::fromStdU32String(result->text));
    setCursorPosition(utf16Length(std::u32string_view(result->text).substr(0, result->caret)));
}

QMenu* CNumericEdit::createStandardContextMenu()
{
    QMenu* menu = QLineEdit::createStandardContextMenu();
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        // The submenu of direction control characters would insert them unfiltered.
        if (action->menu() != nullptr) {
            menu->removeAction(action);
            continue;
        }
        // QLineEdit gives its actions no names; its Paste is known by the caption.
        if (action->text().startsWith(pasteCaption)) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this, &CNumericEdit::paste);
        }
    }
    return menu;
}

void CNumericEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CNumericEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // X11 pastes the primary selection on a middle click: filter it like any paste.
    if (event->button() == Qt::MiddleButton && !isReadOnly()
        && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CNumericEdit::beep()
{
    QApplication::beep();
}

}  // namespace tessara
