#pragma once

#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tessara::editor {

struct FileKind;

// Where the editor's forms ask for a file name: the file dialogs in the
// program, a scripted answer in tests.
class FileChooser {
public:
    virtual ~FileChooser() = default;

    // An existing file of the kind to open, or empty when the user cancels.
    virtual QString chooseFileToOpen(QWidget* parent, const FileKind& kind) = 0;
    // A file to save to (the user has agreed to replace an existing one), or
    // empty when the user cancels.
    virtual QString chooseFileToSave(QWidget* parent, const FileKind& kind) = 0;
};

// The toolkit's file dialogs, with the editor's titles and filters.
class DialogFileChooser final : public FileChooser {
public:
    QString chooseFileToOpen(QWidget* parent, const FileKind& kind) override;
    QString chooseFileToSave(QWidget* parent, const FileKind& kind) override;
};

}  // namespace tessara::editor
