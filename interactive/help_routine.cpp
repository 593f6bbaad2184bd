#include "interactive/help_routine.h"

#include "program/help_path.h"
#include "program/settings_store.h"
#include "interactive/form_services.h"
#include "params/notifier.h"

#include <filesystem>
#include <system_error>

namespace tessara {

std::string helpIniPath(const std::string& programFolderIni, const std::string& executableIni)
{
    std::error_code ec;
    if (std::filesystem::exists(programFolderIni, ec) || !std::filesystem::exists(executableIni, ec))
        return programFolderIni;
    return executableIni;
}

HelpRoutine::HelpRoutine(const std::string& programPath, const SettingsStore& ini,
                         const std::string& iniFolder)
{
    const std::string stored = ini.readString(kHelpIniSection, kHelpIniKey, {});
    helpPath_ = helpFilePath(programPath, stored, iniFolder);
    found_ = helpFileExists(helpPath_);
}

void HelpRoutine::OnHelp(Notifier& notifier, FileChooser& files, HelpViewer& viewer,
                         SettingsStore& ini)
{
    if (!found_) {
        const std::string question = "Cannot find the help file " + helpPath_ + "\n" +
                                     "Do you want to try to find this file yourself?";
        if (!notifier.askYesNo("Windows Help", question))
            return;
        OpenFileRequest request;
        request.filter = "Help files (*.html *.htm)|*.html;*.htm||";
        request.initialPath = helpPath_;
        const std::optional<std::string> chosen = files.chooseOpenFile(request);
        if (!chosen)
            return;
        helpPath_ = *chosen;
        found_ = true;
        ini.writeString(kHelpIniSection, kHelpIniKey, helpPath_);
    }
    if (viewer.showTopic(helpPath_, kHelpTopic))
        return;
    if (const std::optional<std::string> description = viewer.lastError()) {
        notifier.showMessage(*description + "\n" + helpPath_, "Help Error");
        found_ = false;
    }
}

}  // namespace tessara
