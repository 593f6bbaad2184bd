#include "interactive/log_session.h"

#include "values/point_transformer.h"
#include "filetransform/file_io.h"
#include "params/file_error.h"
#include "params/notifier.h"

#include <filesystem>
#include <system_error>

namespace tessara {
namespace {

constexpr const char* kLogFilter = "Tessara Output files (*.log)|*.log|All files (*.*)|*.*||";
constexpr const char* kLogViewerTitle = "Tessara - display output file";
constexpr const char* kMessageViewerTitle = "Tessara - display message file";

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// The start results that have a text of their own; the two viewers word the
// first two differently.
std::string startResultText(StartResult result, bool messageFile)
{
    switch (result) {
    case StartResult::FileNotFound:
        return messageFile ? "The program file was not found. "
                           : "The specified file was not found. ";
    case StartResult::PathNotFound:
        return messageFile ? "The program path was not found. "
                           : "The specified path was not found. ";
    case StartResult::AccessDenied:
        return "The operating system denied access to the specified file.";
    case StartResult::InvalidProgram:
        return "The .exe file is invalid";
    case StartResult::SharingViolation:
        return "A sharing violation occurred.";
    case StartResult::Started:
    case StartResult::OtherFailure:
        break;
    }
    return {};
}

}  // namespace

LogSession::LogSession(const InteractiveSettings& settings)
    : currentLogFile_(settings.logfileName)
{
}

void LogSession::StartLogFile(const InteractiveSettings& settings, FileChooser& files,
                              Notifier& notifier, std::optional<std::time_t> when)
{
    if (started_)
        return;
    started_ = true;
    if (settings.logfilePrompt)
        ChooseLogFile(settings, files);
    WriteLogHeader(settings, notifier, when);
}

bool LogSession::ChooseLogFile(const InteractiveSettings& settings, FileChooser& files)
{
    SaveFileRequest request;
    request.title = "Select file for output";
    request.filter = kLogFilter;
    request.defaultExtension = "out";
    request.initialPath = currentLogFile_;
    // A log that is continued may be named although it exists.
    request.confirmOverwrite = !settings.logfileAppend;
    const std::optional<ChosenFile> chosen = files.chooseSaveFile(request);
    if (!chosen)
        return false;
    currentLogFile_ = chosen->path;
    return true;
}

void LogSession::WriteLogHeader(const InteractiveSettings& settings, Notifier& notifier,
                                std::optional<std::time_t> when)
{
    const auto error = tessara::WriteLogHeader(currentLogFile_, settings.logfileAppend, when);
    headerPending_ = error.has_value();
    if (error)
        notifier.showMessage(*error);
}

void LogSession::WriteLogRecord(const PointTransformer& engine, const LogRecordChoice& choice,
                                Notifier& notifier)
{
    const auto error = tessara::WriteLogRecord(currentLogFile_, engine, choice, headerPending_);
    if (!error)
        headerPending_ = false;
    else
        notifier.showMessage(*error);
}

void LogSession::ViewLogFile(DesktopOpener& opener, Notifier& notifier) const
{
    if (!fileExists(currentLogFile_)) {
        notifier.showMessage("Error - output file not found\n\n" + currentLogFile_,
                             kLogViewerTitle);
        return;
    }
    const StartResult result = opener.openInTextViewer(currentLogFile_);
    if (result != StartResult::Started)
        notifier.showMessage(logViewerErrorText(currentLogFile_, result), kLogViewerTitle);
}

void LogSession::ViewMessageFile(const std::string& messageFile, DesktopOpener& opener,
                                 Notifier& notifier)
{
    if (!fileExists(messageFile)) {
        notifier.showMessage("Error - message file not found\n\n" + messageFile,
                             kMessageViewerTitle);
        return;
    }
    const StartResult result = opener.openInTextViewer(messageFile);
    if (result != StartResult::Started)
        notifier.showMessage(messageViewerErrorText(messageFile, result), kMessageViewerTitle);
}

void LogSession::SaveMessages(const std::vector<std::string>& lines,
                              InteractiveSettings& settings, FileChooser& files,
                              Notifier& notifier)
{
    SaveFileRequest request;
    request.title = "Select message file";
    request.filter = "Log files (*.log)|*.log||";
    request.defaultExtension = "log";
    request.initialPath = settings.messagefileName;
    request.confirmOverwrite = true;
    request.append = messageAppend_;
    const std::optional<ChosenFile> chosen = files.chooseSaveFile(request);
    if (!chosen)
        return;
    settings.messagefileName = chosen->path;
    messageAppend_ = chosen->append;
    if (const auto error = writeMessageFile(chosen->path, lines, messageAppend_))
        notifier.showMessage(*error);
}

std::optional<std::string> pathInMessage(const std::string& line)
{
    constexpr std::string_view input = "Input - ";
    constexpr std::string_view output = "Output - ";
    if (line.starts_with(input))
        return line.substr(input.size());
    if (line.starts_with(output))
        return line.substr(output.size());
    return std::nullopt;
}

std::string logViewerErrorText(const std::string& path, StartResult result)
{
    // The path follows the first line, as for the message file, so that the
    // user can open the log another way.
    return std::string("Error - could not load '") + kTextViewerName +
           "' to display the output file\n\n" + path + "\n\n" + startResultText(result, false);
}

std::string messageViewerErrorText(const std::string& path, StartResult result)
{
    return std::string("Error - could not load '") + kTextViewerName +
           "' to display the message file\n\n" + path + "\n\n" + startResultText(result, true);
}

std::optional<std::string> writeMessageFile(const std::string& path,
                                            const std::vector<std::string>& lines, bool append)
{
    OutputWriter file = append ? OutputWriter::append(path, true) : OutputWriter::create(path);
    if (!file.isOpen())
        return fileErrorText(path, file.error());
    for (const std::string& line : lines) {
        file.buffer().append(line).append("\r\n");
        if (!file.flushIfFull()) {
            // Writing stops at the first failure; the error is the one reported.
            const int error = file.error();
            file.close();
            return fileErrorText(path, error);
        }
    }
    if (!file.close())
        return fileErrorText(path, file.error());
    return std::nullopt;
}

}  // namespace tessara
