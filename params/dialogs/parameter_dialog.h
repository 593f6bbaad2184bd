#pragma once

#include "records/records.h"

#include <QDialog>

#include <array>
#include <string>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace tessara {

class ParameterStore;

// "ITRF Parameters": the fourteen values of one parameter set. In view mode
// the user picks any set of the store from a list; in check mode the dialog
// shows one set read from a file, with Save (only for a valid set) and
// Cancel.
class CParameterDialog : public QDialog {
    Q_OBJECT

public:
    explicit CParameterDialog(QWidget* parent = nullptr);

    // Every set of the store in the list (sorted), the named one shown: the
    // first entry when no name is given or none has it. The store must
    // outlive the dialog.
    void setViewMode(const ParameterStore& store, const std::string& selectedName);
    void setCheckMode(const ParameterSet& set);

private:
    void showSet(const ParameterSet& set);
    void setChosen(int index);
    void showNote(const QString& text);

    const ParameterStore* store_ = nullptr;
    QLabel* topText_ = nullptr;
    QComboBox* setList_ = nullptr;
    QLabel* heading_ = nullptr;
    std::array<QLineEdit*, 7> base_{};
    std::array<QLineEdit*, 7> rate_{};
    QLabel* note_ = nullptr;
    QLabel* saveHint_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace tessara
