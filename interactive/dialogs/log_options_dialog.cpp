#include "interactive/dialogs/log_options_dialog.h"

#include "widgets/text_conversion.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessara {
namespace {

// The texts break their lines themselves: a label as wide as its longest
// line keeps every sentence whole.
QLabel* paragraph(const QString& text) { return new QLabel(text); }

}  // namespace

CLogFileOptionsDialog::CLogFileOptionsDialog(FileChooser& files, QWidget* parent)
    : QDialog(parent), files_(files)
{
    setWindowTitle(QStringLiteral("Log file options"));
    name_ = new QLineEdit;
    name_->setObjectName(QStringLiteral("logFileName"));
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);
    auto* select = new QPushButton(QStringLiteral("Select file"));
    select->setObjectName(QStringLiteral("selectLogFile"));
    connect(select, &QPushButton::clicked, this, &CLogFileOptionsDialog::selectFile);
    prompt_ = new QCheckBox(QStringLiteral("Prompt for a new log file at startup."));
    prompt_->setObjectName(QStringLiteral("logPrompt"));
    append_ = new QCheckBox(
        QStringLiteral("Do not clear the log file at startup - keep adding to the file"));
    append_->setObjectName(QStringLiteral("logAppend"));

    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(QStringLiteral("Log file"));
    nameLabel->setBuddy(name_);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(name_, 1);
    nameRow->addWidget(select);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paragraph(QStringLiteral(
        "You may set the name and location of the log file used by the program.\n"
        "This file records all interactive input, and details of points files transformed.")));
    layout->addLayout(nameRow);
    layout->addWidget(paragraph(QStringLiteral(
        "Normally, the log file is created each time the program is started, and all previous "
        "contents are lost.\n\n")));
    layout->addWidget(paragraph(QStringLiteral(
        "You can choose to be prompted for a new log file each time the program starts.\n"
        "You can also choose to retain the contents of the log file, so it will continue to "
        "grow.")));
    layout->addWidget(prompt_);
    layout->addWidget(append_);
    layout->addWidget(buttons);
}

void CLogFileOptionsDialog::setValue(const LogOptions& options)
{
    name_->setText(toQString(options.logFile));
    prompt_->setChecked(options.prompt);
    append_->setChecked(options.append);
}

LogOptions CLogFileOptionsDialog::value() const
{
    return {toStdString(name_->text()), prompt_->isChecked(), append_->isChecked()};
}

void CLogFileOptionsDialog::selectFile()
{
    SaveFileRequest request;
    request.title = "Select file for output";
    request.filter = "Tessara Output files (*.log)|*.log|All files (*.*)|*.*||";
    request.defaultExtension = "out";
    request.initialPath = toStdString(name_->text());
    request.confirmOverwrite = true;
    if (const auto chosen = files_.chooseSaveFile(request))
        name_->setText(toQString(chosen->path));
}

}  // namespace tessara
