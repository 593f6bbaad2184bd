#pragma once

#include "values/notation.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QGroupBox;
class QLabel;
QT_END_NAMESPACE

namespace tessara {

class Notifier;

// What the dialog "Options - Format" shows and edits for one direction.
struct FormatDialogValues {
    bool itrfToGda = true;
    AngleNotation input = AngleNotation::Dms;
    AngleNotation output = AngleNotation::Dms;
    bool canCompute = false;  // the note about automatic calculation is shown
};

// "Options - Format": the input and output angle notations of one
// direction. Under the Australian convention the hemispheres are fixed, so
// the dialog states them instead of offering them.
class CFormatDialog : public QDialog {
    Q_OBJECT

public:
    explicit CFormatDialog(Notifier& notifier, QWidget* parent = nullptr);

    void setValue(const FormatDialogValues& values);
    FormatDialogValues value() const;

private:
    QGroupBox* notationGroup(QButtonGroup*& buttons);
    void showHelp();

    Notifier& notifier_;
    FormatDialogValues values_;
    QGroupBox* inputBox_ = nullptr;
    QGroupBox* outputBox_ = nullptr;
    QButtonGroup* inputButtons_ = nullptr;
    QButtonGroup* outputButtons_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace tessara
