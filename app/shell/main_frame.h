#pragma once

#include "program/program_paths.h"
#include "app/shell/main_menus.h"
#include "interactive/form_services.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace tessara {

class CTessaraView;
class HelpRoutine;
class HelpViewer;
class Notifier;
class QtOptionDialogs;
class SettingsStore;

// What the main window needs from the program around it.
struct ShellServices {
    SettingsStore& store;
    Notifier& notifier;
    FileChooser& files;
    DesktopOpener& opener;
};

// The main window: the menu bar, the status line with its idle prompt, the
// main form as its client area, and the keyboard commands F1, Shift+F1 and
// Ctrl+F1. Every command goes to the main form, except help, the about box
// and the font size. Commands whose dialogs another part provides stay
// disabled until it provides them.
class CMainFrame : public QMainWindow, public StatusLine {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMainFrame)

public:
    CMainFrame(const StartupPaths& paths, QString versionText, ShellServices services,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    CTessaraView* view() const { return view_; }
    MainMenus* menus() const { return menus_; }
    QAction* action(MenuCommand command) const { return menus_->action(command); }

    // Has a command run `handler` (the file run, the parameter and
    // ellipsoid dialogs).
    void provideCommand(MenuCommand command, std::function<void()> handler);
    // The help routine of the application (from start-up on).
    void setHelp(HelpRoutine& routine, HelpViewer& viewer, SettingsStore& ini);

    void setStatusText(const std::string& text) override;
    QString statusText() const;

    void OnHelp();
    void showAbout();
    void chooseFontSize();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void carryOut(MenuCommand command);
    void followForm();

    ShellServices services_;
    QString versionText_;
    std::unique_ptr<QtOptionDialogs> dialogs_;
    MainMenus* menus_ = nullptr;
    QLabel* status_ = nullptr;
    CTessaraView* view_ = nullptr;
    std::array<std::function<void()>, kMenuCommandCount> provided_{};
    HelpRoutine* help_ = nullptr;
    HelpViewer* helpViewer_ = nullptr;
    SettingsStore* helpIni_ = nullptr;
    bool sized_ = false;
    QSize storedSize_;  // the window size kept from the last run
};

}  // namespace tessara
