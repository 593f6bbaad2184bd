#pragma once

#include "params/notifier.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace tessara::editor {

// The editor's message boxes: OK-only boxes with a warning sign for the
// core's messages, a Yes/No box with a question mark for its questions.
// Texts cross as the local 8-bit encoding.
class MessageNotifier final : public Notifier {
public:
    explicit MessageNotifier(QString defaultCaption) : defaultCaption_(std::move(defaultCaption)) {}

    // The window the boxes are shown over.
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    using Notifier::showMessage;
    void showMessage(const std::string& text, const std::string& caption) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;

private:
    QString captionOrDefault(const std::string& caption) const;

    QString defaultCaption_;
    QPointer<QWidget> parent_;
};

}  // namespace tessara::editor
