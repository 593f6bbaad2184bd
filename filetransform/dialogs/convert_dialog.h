#pragma once

#include "filetransform/convert_form.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTableWidget;
QT_END_NAMESPACE

namespace tessara {

class Notifier;
class PathChooser;

// What the dialog starts from: the last files (only as starting points of
// the file browsers), the file direction and set name, and the names of
// the displayed sets.
struct ConvertDialogStart {
    std::string lastInputFile;
    std::string lastOutputFile;
    FileDirection direction = FileDirection::ItrfToGda94;
    std::string setName;
    std::vector<std::string> setNames;
};

// "Convert coordinates in file": the input file with a preview of its first
// lines and the detected layout, the set, epoch and direction, the output
// file, and "Convert" (accept) once the checks pass. The output format
// button runs `editOutputFormat`.
class CConvertFileDialog : public QDialog {
    Q_OBJECT

public:
    CConvertFileDialog(const ConvertDialogStart& start, PathChooser& paths, Notifier& notifier,
                       std::function<void()> editOutputFormat, QWidget* parent = nullptr);

    const ConvertForm& form() const { return form_; }

    // The two "Browse" buttons.
    void browseInput();
    void browseOutput();

protected:
    // The preview's columns follow the font the program gives the dialog.
    void changeEvent(QEvent* event) override;

private:
    QWidget* inputRow();
    void fitPreview();
    QWidget* choiceRows();
    QWidget* outputRow();
    void connectChoices();
    // Shows the preview of the input file (or the instructions).
    void showPreview(const FilePreview& preview);
    // Writes the form into the controls, then runs the checks.
    void showForm();
    void showFieldLists();
    void runChecks();
    // A change made by the user in a control, taken into the form.
    template <typename Change> void take(Change&& change);

    ConvertForm form_;
    std::string lastInputFile_;
    std::string lastOutputFile_;
    PathChooser& paths_;
    Notifier& notifier_;
    std::function<void()> editOutputFormat_;
    bool showing_ = false;  // set while showForm writes the controls

    QLineEdit* inputName_ = nullptr;
    QStackedWidget* previewArea_ = nullptr;
    QListWidget* instructions_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QComboBox* direction_ = nullptr;
    QComboBox* sets_ = nullptr;
    QComboBox* type_ = nullptr;
    QComboBox* epochForm_ = nullptr;
    QComboBox* epochSource_ = nullptr;
    QLabel* dateCaption_ = nullptr;
    QLineEdit* setDate_ = nullptr;
    QLabel* epochFieldCaption_ = nullptr;
    QComboBox* epochField_ = nullptr;
    QComboBox* identifier_ = nullptr;
    QLabel* layoutCaption_ = nullptr;
    QComboBox* layout_ = nullptr;
    QLabel* confirm_ = nullptr;
    std::array<QLabel*, 3> fieldLabels_{};
    std::array<QComboBox*, 3> fields_{};
    QLineEdit* outputName_ = nullptr;
    QPushButton* outputFormat_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* convert_ = nullptr;
};

}  // namespace tessara
