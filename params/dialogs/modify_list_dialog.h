#pragma once

#include "params/display_list_edit.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QLabel;
class QListWidget;
class QPushButton;
QT_END_NAMESPACE

namespace tessara {

class ParameterStore;

// "Modify parameter list": moves set names between "Available" and
// "Displayed". "Save changes" (accept) is enabled while "Displayed" holds a
// name; the caller then takes edit() into the store.
class CModifyListDialog : public QDialog {
    Q_OBJECT

public:
    explicit CModifyListDialog(const ParameterStore& store, QWidget* parent = nullptr);

    const DisplayListEdit& edit() const { return edit_; }

private:
    void availableChosen();
    void displayedChosen();
    // Runs a change of the lists, then shows them and the button states.
    template <typename Change> void change(Change&& c);
    // Fills both lists from the edit after a move.
    void showLists();
    void showButtons();

    DisplayListEdit edit_;
    QListWidget* available_ = nullptr;
    QListWidget* displayed_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* addAll_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* removeAll_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace tessara
