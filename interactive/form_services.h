#pragma once

#include "values/formatting.h"
#include "values/notation.h"

#include <optional>
#include <string>

// What the main form asks of the desktop: file dialogs, starting viewers,
// its option dialogs and the status line. The desktop program implements
// these with real windows; tests answer them from scripts.
namespace tessara {

// A file-save dialog. The filter is in the system's own notation: pairs of
// description and pattern, each followed by "|", the list ended by a second
// "|" ("Log files (*.log)|*.log||").
struct SaveFileRequest {
    std::string title;
    std::string filter;
    std::string defaultExtension;  // added to a name typed without one
    std::string initialPath;
    bool confirmOverwrite = true;  // an existing name asks before it is taken
    // Set: the dialog carries the box "Append to existing file", ticked when true.
    std::optional<bool> append;
};

struct ChosenFile {
    std::string path;
    bool append = false;  // the box's final state, when the dialog had it
};

// A file-open dialog for an existing file in an existing folder.
struct OpenFileRequest {
    std::string title;
    std::string filter;
    std::string initialPath;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Nothing when the user cancels.
    virtual std::optional<ChosenFile> chooseSaveFile(const SaveFileRequest& request) = 0;
    virtual std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) = 0;
};

// How starting a viewer ended.
enum class StartResult {
    Started,
    FileNotFound,
    PathNotFound,
    AccessDenied,
    InvalidProgram,
    SharingViolation,
    OtherFailure,  // a failure without a text of its own
};

class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    // Shows a text file in the desktop's text viewer.
    virtual StartResult openInTextViewer(const std::string& path) = 0;
    // Opens a file with the program the desktop associates with it; a
    // failure is not reported.
    virtual void openWithAssociatedProgram(const std::string& path) = 0;
};

// The notations of one direction, as the format dialog edits them.
struct FormatChoice {
    AngleNotation input = AngleNotation::Dms;
    AngleNotation output = AngleNotation::Dms;
};

struct FormatRequest {
    bool itrfToGda = true;  // the option group: ITRF to GDA94, or GDA94 to ITRF
    FormatChoice current;
    bool canCompute = false;  // whether the form's Compute is enabled
};

struct PrecisionRequest {
    bool itrfToGda = true;
    OutputPrecision current;
};

// The choices of the dialog "Log file options".
struct LogOptions {
    std::string logFile;  // the configured log file
    bool prompt = false;
    bool append = false;
};

class OptionDialogs {
public:
    virtual ~OptionDialogs() = default;
    // Each answers nothing when the user cancels.
    virtual std::optional<FormatChoice> editFormat(const FormatRequest& request) = 0;
    virtual std::optional<OutputPrecision> editPrecision(const PrecisionRequest& request) = 0;
    virtual std::optional<LogOptions> editLogOptions(const LogOptions& current) = 0;
};

// The first pane of the main window's status line.
class StatusLine {
public:
    virtual ~StatusLine() = default;
    // An empty text shows the idle prompt "For Help, press F1".
    virtual void setStatusText(const std::string& text) = 0;
};

inline constexpr const char* kIdlePrompt = "For Help, press F1";

}  // namespace tessara
