#include "app/dialogs/file_dialog_ex.h"

#include "widgets/program_style.h"
#include "widgets/text_conversion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>

namespace tessara {

QStringList qtNameFilters(std::string_view systemFilter)
{
    const QStringList parts = toQString(systemFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (description.isEmpty())
            break;  // the "||" that ends the list
        // Qt takes the patterns from the parentheses of the description.
        if (description.contains(QLatin1Char('(')))
            filters << description;
        else
            filters << description + QStringLiteral(" (") +
                           QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                           QLatin1Char(')');
    }
    return filters;
}

CFileDialogEx::CFileDialogEx(Mode mode, const QString& defaultExtension,
                             const QString& initialPath, std::string_view systemFilter,
                             QWidget* parent)
    : QFileDialog(parent)
{
    setOption(QFileDialog::DontUseNativeDialog, true);
    const bool save = mode == Mode::Save;
    setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    setDefaultSuffix(defaultExtension);
    setNameFilters(qtNameFilters(systemFilter));
    if (!initialPath.isEmpty()) {
        const QFileInfo initial(initialPath);
        setDirectory(initial.absolutePath());
        selectFile(initial.fileName());
    }
    fitFileDialog(*this);
}

void CFileDialogEx::showAppendOption(bool append)
{
    if (appendBox_ == nullptr) {
        appendBox_ = new QCheckBox(QStringLiteral("Append to existing file"), this);
        appendBox_->setObjectName(QStringLiteral("appendToExistingFile"));
        // Below the file-type list, in its column.
        auto* grid = qobject_cast<QGridLayout*>(layout());
        const auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        int row = grid != nullptr ? grid->rowCount() : 0;
        int column = 1;
        if (grid != nullptr && types != nullptr) {
            int span = 0;
            grid->getItemPosition(grid->indexOf(types), &row, &column, &span, &span);
            ++row;
        }
        if (grid != nullptr)
            grid->addWidget(appendBox_, row, column);
    }
    appendBox_->setChecked(append);
}

void CFileDialogEx::accept()
{
    if (!append()) {
        QFileDialog::accept();
        return;
    }
    const bool confirming = !testOption(QFileDialog::DontConfirmOverwrite);
    setOption(QFileDialog::DontConfirmOverwrite, true);
    QFileDialog::accept();
    setOption(QFileDialog::DontConfirmOverwrite, !confirming);
}

bool CFileDialogEx::append() const { return appendBox_ != nullptr && appendBox_->isChecked(); }

}  // namespace tessara
