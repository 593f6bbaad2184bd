#include "params/dialogs/export_dialog.h"

#include "params/dialogs/path_chooser.h"
#include "widgets/text_conversion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace tessara {
namespace {

constexpr std::string_view kExplanation =
    "You can export the ITRF parameters to text files.\n\nAll sets of parameters will be "
    "exported.\nA separate file is created for each set of parameters.\n";

}  // namespace

CExportDialog::CExportDialog(std::string folder, PathChooser& chooser, QWidget* parent)
    : QDialog(parent), chooser_(chooser), folder_(std::move(folder))
{
    setWindowTitle(QStringLiteral("Export parameter files"));

    auto* explanation = new QLabel(toQString(kExplanation));
    explanation->setWordWrap(true);

    field_ = new QLineEdit(toQString(folder_));
    field_->setObjectName(QStringLiteral("folderField"));
    field_->setReadOnly(true);
    field_->setMinimumWidth(field_->fontMetrics().averageCharWidth() * 48);
    auto* browse = new QPushButton(QStringLiteral("Select Output Folder"));
    browse->setObjectName(QStringLiteral("selectFolderButton"));
    browse->setAutoDefault(false);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(QStringLiteral("Export to")));
    folderRow->addWidget(field_, 1);
    folderRow->addWidget(browse);

    auto* exportButton = new QPushButton(QStringLiteral("Export"));
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(exportButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(folderRow);
    layout->addWidget(buttons);

    connect(browse, &QPushButton::clicked, this, &CExportDialog::selectFolder);
    connect(exportButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CExportDialog::selectFolder()
{
    const std::optional<std::string> chosen =
        chooser_.chooseFolder({"Select folder for export files", folder_});
    if (!chosen)
        return;
    folder_ = *chosen;
    field_->setText(toQString(folder_));
}

}  // namespace tessara
