#pragma once

#include <QClipboard>
#include <QLineEdit>

QT_BEGIN_NAMESPACE
class QMenu;
QT_END_NAMESPACE

namespace tessara {

struct NumericField;
struct NumericRules;

// An edit field for one number: as the user types, pastes or composes text it
// refuses what cannot be part of a number of the field's kind (negative or
// not, how many decimal places), in the user locale's decimal symbol and
// negative sign. Text set by the program is taken as it is.
class CNumericEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CNumericEdit(QWidget* parent = nullptr);

    void setAllowNegative(bool allow);
    bool allowNegative() const { return allowNegative_; }
    // Digits allowed after the decimal symbol; 0 makes the field take whole numbers.
    void setDecimalPlaces(int places);
    int decimalPlaces() const { return decimalPlaces_; }

    // The locale's symbols are read once for all numeric fields of the
    // process; this reads them again from the default QLocale.
    static void reloadLocaleSymbols();

    // Hides QLineEdit's menu: the same menu with its Paste filtered and
    // without the entries that insert control characters.
    QMenu* createStandardContextMenu();

public slots:
    // Hides QLineEdit::paste(): pastes the number at the front of the
    // clipboard text as far as the field takes it, or beeps.
    void paste();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The sound of a refused key or paste; tests count it.
    virtual void beep();

private:
    void pasteFrom(QClipboard::Mode mode);
    NumericField fieldState() const;
    NumericRules rules() const;

    bool allowNegative_ = false;
    int decimalPlaces_ = 0;
};

}  // namespace tessara
