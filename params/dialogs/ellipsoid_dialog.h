#pragma once

#include "params/ellipsoid_entry.h"

#include <QDialog>

#include <string>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace tessara {

class CNumericEdit;
class EllipsoidList;

// "Ellipsoid parameters": the ellipsoids of the list, one at a time. In
// view mode the fields are read-only; in new mode ("Add new ellipsoid") the
// user types a new one, checked on every change, and Save accepts it.
class CEllipsoidDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { View, New };

    // Opens on the entry `current` (the first when there is no such entry).
    // The list must outlive the dialog.
    CEllipsoidDialog(Mode mode, const EllipsoidList& list, int current, QWidget* parent = nullptr);

    // The ellipsoid the fields describe, as the last check built it.
    const Ellipsoid& entered() const { return check_.ellipsoid; }

private:
    void entryChosen(int index);
    void runCheck();
    EllipsoidFieldTexts fieldTexts() const;

    Mode mode_;
    const EllipsoidList& list_;
    EllipsoidEntryCheck check_;
    QComboBox* entries_ = nullptr;
    QLineEdit* name_ = nullptr;
    std::string filledName_;  // the stored bytes of the name the field was filled with
    CNumericEdit* semiMajorAxis_ = nullptr;
    CNumericEdit* inverseFlattening_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace tessara
