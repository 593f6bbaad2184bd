#pragma once

#include <optional>
#include <string>

// The help command of the transformation program, without windows: finding
// the help file, asking the user for it when it is missing, showing it, and
// reporting a failed display. No Qt.
namespace tessara {

class FileChooser;
class Notifier;
class SettingsStore;

// Shows the help file; the program's is an HTML page.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the topic of a context number; false when it could not.
    virtual bool showTopic(const std::string& helpPath, int topic) = 0;
    // Why the last display failed, when the viewer can tell.
    virtual std::optional<std::string> lastError() = 0;
};

// The topic every help command asks for: the help page's first page.
inline constexpr int kHelpTopic = 128;

// The ini file the help path is read from: the program folder's when it
// has one, else the one installed beside the executable (a program folder
// of its own, chosen by TESSARA_HOME or for lack of write access, starts
// without one).
std::string helpIniPath(const std::string& programFolderIni, const std::string& executableIni);

class HelpRoutine {
public:
    // The help path of the ini file (section "Settings", key "HelpFile", a
    // relative name taken in the ini file's folder), or the default.
    HelpRoutine(const std::string& programPath, const SettingsStore& ini,
                const std::string& iniFolder);

    const std::string& helpPath() const { return helpPath_; }
    bool helpFileFound() const { return found_; }

    // F1, Shift+F1 and "Help Topics". A missing file is offered to be looked
    // for (the choice is written to `ini`); a failed display is reported and
    // makes the next command look for the file again.
    void OnHelp(Notifier& notifier, FileChooser& files, HelpViewer& viewer, SettingsStore& ini);

private:
    std::string helpPath_;
    bool found_ = false;
};

}  // namespace tessara
