#include "editor/ui/message_notifier.h"

#include "widgets/program_style.h"

#include <QMessageBox>

namespace tessara::editor {

QString MessageNotifier::captionOrDefault(const std::string& caption) const
{
    return caption.empty() ? defaultCaption_ : QString::fromLocal8Bit(caption);
}

void MessageNotifier::showMessage(const std::string& text, const std::string& caption)
{
    QMessageBox box(QMessageBox::Warning, captionOrDefault(caption), QString::fromLocal8Bit(text),
                    QMessageBox::Ok, parent_);
    prepareMessageBox(box);
    box.exec();
}

bool MessageNotifier::askYesNo(const std::string& caption, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, captionOrDefault(caption),
                    QString::fromLocal8Bit(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    prepareMessageBox(box);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace tessara::editor
