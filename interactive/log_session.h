#pragma once

#include "program/settings.h"
#include "filetransform/log_file.h"
#include "interactive/form_services.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace tessara {

class Notifier;
class PointTransformer;

// The name of the viewer the desktop opener starts, in the viewer error texts.
inline constexpr const char* kTextViewerName = "xdg-open";

// The log file of one program run and the commands around the log and the
// message file. The configured log file, append, prompt and the message file
// live in the settings; this keeps what lasts for the run only.
class LogSession {
public:
    // The current log file starts as the configured one.
    explicit LogSession(const InteractiveSettings& settings);

    const std::string& currentLogFile() const { return currentLogFile_; }
    bool started() const { return started_; }

    // Once per run, when the form is first drawn: asks for the log file when
    // the settings say so (the configured name stays), then writes the header
    // to the current log file, whether the question was answered or not.
    void StartLogFile(const InteractiveSettings& settings, FileChooser& files,
                      Notifier& notifier, std::optional<std::time_t> when = {});
    // Asks for the current log file; true when one was chosen.
    bool ChooseLogFile(const InteractiveSettings& settings, FileChooser& files);
    void WriteLogHeader(const InteractiveSettings& settings, Notifier& notifier,
                        std::optional<std::time_t> when = {});
    // One record for the engine's last computation, in the form's direction;
    // a header that could not be written goes first.
    void WriteLogRecord(const PointTransformer& engine, const LogRecordChoice& choice,
                        Notifier& notifier);

    // Shows the current log file, or the message file, in the text viewer.
    void ViewLogFile(DesktopOpener& opener, Notifier& notifier) const;
    static void ViewMessageFile(const std::string& messageFile, DesktopOpener& opener,
                                Notifier& notifier);

    // Writes the message list to a file the user chooses (appended to it
    // when the "Append to existing file" box is ticked). The chosen name
    // becomes the message file of the settings.
    void SaveMessages(const std::vector<std::string>& lines, InteractiveSettings& settings,
                      FileChooser& files, Notifier& notifier);

private:
    std::string currentLogFile_;
    bool started_ = false;
    bool headerPending_ = false;  // the last header write failed (a full disk)
    bool messageAppend_ = true;
};

// The path named by a message-list line "Input - <path>" or
// "Output - <path>"; nothing for any other line.
std::optional<std::string> pathInMessage(const std::string& line);

// The message-box texts of a failed viewer start; both name the file.
std::string logViewerErrorText(const std::string& path, StartResult result);
std::string messageViewerErrorText(const std::string& path, StartResult result);

// Writes lines, each ended by CR LF, to a file: at its end when `append`
// is set and it exists, else emptied or created. The error text when the
// file cannot be opened or written.
std::optional<std::string> writeMessageFile(const std::string& path,
                                            const std::vector<std::string>& lines, bool append);

}  // namespace tessara
