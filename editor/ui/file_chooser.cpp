#include "editor/ui/file_chooser.h"

#include "widgets/program_style.h"
#include "editor/form_files.h"

#include <QFileDialog>

namespace tessara::editor {
namespace {

QString text(std::string_view view)
{
    return QString::fromLatin1(view.data(), static_cast<qsizetype>(view.size()));
}

QString chosenFile(QFileDialog& dialog)
{
    fitFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

}  // namespace

QString DialogFileChooser::chooseFileToOpen(QWidget* parent, const FileKind& kind)
{
    QFileDialog dialog(parent, text(kOpenDialogTitle));
    dialog.setObjectName("openFileDialog");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(text(kind.filterName));
    return chosenFile(dialog);
}

QString DialogFileChooser::chooseFileToSave(QWidget* parent, const FileKind& kind)
{
    QFileDialog dialog(parent, text(kSaveDialogTitle));
    dialog.setObjectName("saveFileDialog");
    // The dialog asks before an existing file is replaced, and only offers
    // folders that exist.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(text(kind.filterName));
    dialog.setDefaultSuffix(text(kind.suffix));
    return chosenFile(dialog);
}

}  // namespace tessara::editor
