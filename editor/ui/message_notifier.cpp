#include "editor/ui/message_notifier.h"

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
    box.exec();
}

bool MessageNotifier::askYesNo(const std::string& caption, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, captionOrDefault(caption),
                    QString::fromLocal8Bit(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace tessara::editor
