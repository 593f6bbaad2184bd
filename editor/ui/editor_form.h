#pragma once

#include "editor/form_buttons.h"
#include "editor/form_files.h"

#include <QWidget>

#include <string>

QT_BEGIN_NAMESPACE
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace tessara {
class Notifier;
}

namespace tessara::editor {

class FileChooser;

// What both forms of the editor share: the current file and its status line,
// the buttons "Open ..", "Save", "Save As .." and "Exit", and the commands
// behind them. A form supplies its fields, their check and its file reading
// and writing.
class CEditorForm : public QWidget {
    Q_OBJECT

public:
    CEditorForm(const FileKind& kind, FileChooser& chooser, Notifier& notifier,
                QWidget* parent = nullptr);

    // The file the form was last opened from or saved to; empty at start.
    const std::string& currentPath() const { return path_; }
    SaveButtons buttons() const;
    // Puts the keyboard focus on the form's first field.
    void focusFirstField();

public slots:
    void openFile();
    void saveFile();
    void saveFileAs();
    // Asks first when a save button is enabled; then asks for the window to close.
    void exitEditor();
    void updateButtons();

signals:
    void closeRequested();

protected:
    virtual bool formIsValid() const = 0;
    // Reads the file and shows its record; false when nothing was shown.
    virtual bool loadFile(const std::string& path) = 0;
    // Writes the form's record; false (after a message) when nothing was written.
    virtual bool writeFile(const std::string& path) = 0;

    Notifier& notifier() const { return notifier_; }
    // A field whose every change runs updateButtons.
    void watch(QLineEdit* field);
    // The Name field, which holds a name of any length the files carry.
    QLineEdit* createNameField();
    // Fills the Name field from a record's name; nameBytes() gives those
    // same bytes back while the field is unchanged, so a name in another
    // encoding is saved byte for byte (and with the same checksum).
    void showName(const std::string& name);
    std::string nameBytes() const;
    // The title above the fields.
    static QLabel* createTitle(const QString& text);
    // The four buttons in a row, and the status line under them.
    QLayout* createButtonRow();
    QLabel* statusLine() const { return statusLine_; }
    // Tab goes through the fields in the given order, then the four buttons;
    // the first field takes the focus when the form is shown.
    void setFieldOrder(const QList<QWidget*>& fields);

private:
    void setCurrentPath(const QString& path);
    void setButtons(SaveButtons buttons);

    const FileKind& kind_;
    FileChooser& chooser_;
    Notifier& notifier_;
    std::string path_;
    QLineEdit* nameField_ = nullptr;
    std::string filledName_;
    QPushButton* open_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* saveAs_ = nullptr;
    QPushButton* exit_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QWidget* firstField_ = nullptr;
};

}  // namespace tessara::editor
