#pragma once

#include "program/program_paths.h"
#include "app/shell/help_window.h"
#include "app/shell/qt_services.h"
#include "params/dialogs/path_chooser.h"

#include <QApplication>

#include <memory>

namespace tessara {

class CMainFrame;
class CTessaraDoc;
class HelpRoutine;
class QSettingsStore;

// The application object: fixes the program's paths and version text,
// roots the settings at "Kalmora" / "Tessara", makes the document, the main
// window and the main form, and finds the help file.
class CTessaraApp : public QApplication {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CTessaraApp)

public:
    CTessaraApp(int& argc, char** argv);
    ~CTessaraApp() override;

    // The start-up steps in order; false when the program cannot start.
    bool InitInstance();

    const StartupPaths& paths() const { return paths_; }
    const std::string& versionText() const { return versionText_; }
    CMainFrame* mainFrame() const { return frame_.get(); }
    const HelpRoutine* help() const { return help_.get(); }

private:
    StartupPaths paths_;
    std::string versionText_;
    std::unique_ptr<QSettingsStore> settings_;
    QtNotifier notifier_;
    QtFileChooser files_;
    QtDesktopOpener opener_;
    QtHelpViewer helpViewer_;
    // File and folder choosers of the parameter, ellipsoid and file dialogs.
    QtPathChooser dialogPaths_;
    // The help path is read from the ini file found, and written to the
    // program folder's own.
    std::unique_ptr<QSettingsStore> ini_;
    std::unique_ptr<HelpRoutine> help_;
    std::unique_ptr<CTessaraDoc> document_;
    // Last, so that the window and its form end before what they use.
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace tessara
