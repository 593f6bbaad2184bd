#include "app/shell/tessara_app.h"

#include "widgets/program_style.h"
#include "app/shell/dialog_commands.h"
#include "interactive/help_routine.h"
#include "app/shell/main_frame.h"
#include "app/shell/tessara_doc.h"
#include "widgets/qsettings_store.h"
#include "program/version_text.h"
#include "widgets/text_conversion.h"

#include <QSettings>

namespace tessara {

CTessaraApp::CTessaraApp(int& argc, char** argv) : QApplication(argc, argv)
{
    useProgramStyle();
}

CTessaraApp::~CTessaraApp() = default;

bool CTessaraApp::InitInstance()
{
    setOrganizationName(QStringLiteral("Kalmora"));
    setApplicationName(QStringLiteral("Tessara"));
    settings_ = std::make_unique<QSettingsStore>();

    const std::string programPath = runningProgramPath();
    versionText_ = buildVersionText();
    paths_ = makeStartupPaths(programPath, locateProgramFolder(programPath));

    document_ = std::make_unique<CTessaraDoc>();
    frame_ = std::make_unique<CMainFrame>(
        paths_, toQString(versionText_),
        ShellServices{*settings_, notifier_, files_, opener_});
    frame_->show();
    frame_->setWindowTitle(QStringLiteral("Tessara"));
    dialogPaths_.setParent(frame_.get());
    provideDialogCommands(*frame_, notifier_, dialogPaths_);

    const std::string iniPath =
        helpIniPath(paths_.iniPath, programFolderOf(programPath) + "/tessara.ini");
    const QSettingsStore found(
        std::make_unique<QSettings>(toQString(iniPath), QSettings::IniFormat));
    help_ = std::make_unique<HelpRoutine>(programPath, found, programFolderOf(iniPath));
    ini_ = std::make_unique<QSettingsStore>(
        std::make_unique<QSettings>(toQString(paths_.iniPath), QSettings::IniFormat));
    frame_->setHelp(*help_, helpViewer_, *ini_);
    return true;
}

}  // namespace tessara
