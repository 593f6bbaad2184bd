#pragma once

#include "interactive/form_services.h"
#include "params/notifier.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// The desktop's answers to the core's questions: message boxes, file
// dialogs, the desktop opener and the option dialogs, as real windows.
namespace tessara {

// Message boxes over the active window.
class QtNotifier final : public Notifier {
public:
    using Notifier::showMessage;
    void showMessage(const std::string& text, const std::string& caption) override;
    void showInformation(const std::string& text, const std::string& caption) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
};

// File dialogs through CFileDialogEx.
class QtFileChooser final : public FileChooser {
public:
    std::optional<ChosenFile> chooseSaveFile(const SaveFileRequest& request) override;
    std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) override;
};

// The desktop's own programs for a file, by its kind.
class QtDesktopOpener final : public DesktopOpener {
public:
    StartResult openInTextViewer(const std::string& path) override;
    void openWithAssociatedProgram(const std::string& path) override;
};

// The option dialogs of the main form, each created at the program's font
// size of the moment it opens.
class QtOptionDialogs final : public OptionDialogs {
public:
    QtOptionDialogs(Notifier& notifier, FileChooser& files, std::function<int()> fontSize);
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<FormatChoice> editFormat(const FormatRequest& request) override;
    std::optional<OutputPrecision> editPrecision(const PrecisionRequest& request) override;
    std::optional<LogOptions> editLogOptions(const LogOptions& current) override;

private:
    Notifier& notifier_;
    FileChooser& files_;
    std::function<int()> fontSize_;
    QPointer<QWidget> parent_;
};

}  // namespace tessara
