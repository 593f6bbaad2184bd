#include "editor/ui/editor_form.h"

#include "editor/ui/file_chooser.h"
#include "widgets/labels.h"
#include "widgets/text_conversion.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace tessara::editor {

CEditorForm::CEditorForm(const FileKind& kind, FileChooser& chooser, Notifier& notifier,
                         QWidget* parent)
    : QWidget(parent), kind_(kind), chooser_(chooser), notifier_(notifier)
{
    open_ = new QPushButton(tr("Open .."), this);
    save_ = new QPushButton(tr("Save"), this);
    saveAs_ = new QPushButton(tr("Save As .."), this);
    exit_ = new QPushButton(tr("Exit"), this);
    open_->setObjectName("open");
    save_->setObjectName("save");
    saveAs_->setObjectName("saveAs");
    exit_->setObjectName("exit");
    statusLine_ = new QLabel(this);
    statusLine_->setObjectName("statusLine");
    statusLine_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path must not widen the fixed-size window.
    statusLine_->setMinimumWidth(0);
    statusLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    connect(open_, &QPushButton::clicked, this, &CEditorForm::openFile);
    connect(save_, &QPushButton::clicked, this, &CEditorForm::saveFile);
    connect(saveAs_, &QPushButton::clicked, this, &CEditorForm::saveFileAs);
    connect(exit_, &QPushButton::clicked, this, &CEditorForm::exitEditor);
    setButtons({});
}

QLineEdit* CEditorForm::createNameField()
{
    nameField_ = new QLineEdit;
    nameField_->setObjectName("name");
    // A line edit stops at 32,767 characters unless told otherwise; the
    // files carry names far longer.
    nameField_->setMaxLength(std::numeric_limits<int>::max());
    nameField_->setMinimumWidth(nameField_->fontMetrics().horizontalAdvance(QString(24, 'x')));
    return nameField_;
}

void CEditorForm::showName(const std::string& name)
{
    filledName_ = name;
    nameField_->setText(toQString(name));
}

std::string CEditorForm::nameBytes() const
{
    return tessara::nameBytes(nameField_->text(), filledName_);
}

SaveButtons CEditorForm::buttons() const
{
    return {save_->isEnabled(), saveAs_->isEnabled()};
}

void CEditorForm::openFile()
{
    setCurrentPath({});
    save_->setEnabled(false);
    const QString chosen = chooser_.chooseFileToOpen(this, kind_);
    // Cancelled: the fields stay, but there is no current file any more.
    if (chosen.isEmpty())
        return;
    setCurrentPath(chosen);
    setButtons({true, true});
    // Filling the fields runs the button rule; a file that shows nothing
    // leaves the fields, and the buttons, as they are.
    if (loadFile(path_))
        updateButtons();
}

void CEditorForm::saveFile()
{
    // Save is only offered with a current file.
    if (path_.empty())
        return;
    if (writeFile(path_))
        save_->setEnabled(false);
}

void CEditorForm::saveFileAs()
{
    const QString chosen = chooser_.chooseFileToSave(this, kind_);
    if (chosen.isEmpty())
        return;
    if (!writeFile(QFile::encodeName(chosen).toStdString()))
        return;
    setCurrentPath(chosen);
    setButtons({});
}

void CEditorForm::exitEditor()
{
    if (confirmExit(buttons(), notifier_))
        emit closeRequested();
}

void CEditorForm::updateButtons()
{
    setButtons(editor::updateButtons(formIsValid(), path_));
}

// NOLINTNEXTLINE(readability-make-member-function-const): wires the field to this form
void CEditorForm::watch(QLineEdit* field)
{
    connect(field, &QLineEdit::textChanged, this, &CEditorForm::updateButtons);
}

QLabel* CEditorForm::createTitle(const QString& text)
{
    QLabel* title = boldLabel(text);
    title->setObjectName("title");
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.2);
    title->setFont(font);
    return title;
}

QLayout* CEditorForm::createButtonRow()
{
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {open_, save_, saveAs_, exit_})
        row->addWidget(button);
    return row;
}

void CEditorForm::setFieldOrder(const QList<QWidget*>& fields)
{
    QWidget* previous = nullptr;
    for (QWidget* next : fields) {
        if (previous != nullptr)
            setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget* button : {open_, save_, saveAs_, exit_}) {
        if (previous != nullptr)
            setTabOrder(previous, button);
        previous = button;
    }
    firstField_ = fields.isEmpty() ? nullptr : fields.constFirst();
    focusFirstField();
}

void CEditorForm::focusFirstField()
{
    if (firstField_ != nullptr)
        firstField_->setFocus();
}

void CEditorForm::setCurrentPath(const QString& path)
{
    // The file system's own bytes for the path, so any file name opens again.
    path_ = QFile::encodeName(path).toStdString();
    statusLine_->setText(QDir::toNativeSeparators(path));
    statusLine_->setToolTip(statusLine_->text());
}

void CEditorForm::setButtons(SaveButtons buttons)
{
    save_->setEnabled(buttons.save);
    saveAs_->setEnabled(buttons.saveAs);
}

}  // namespace tessara::editor
