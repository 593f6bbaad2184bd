#pragma once

// Test doubles of the main form's services, shared by the core tests and
// the widget tests: scripted answers instead of dialogs, records instead of
// windows. No test framework is needed here.
#include "interactive/help_routine.h"
#include "interactive/form_services.h"

#include <deque>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace tessara::testing {

// Several texts as one, so that one comparison shows every difference.
inline std::string joined(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += part + "|";
    return text;
}

inline std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines of a file split at CR LF.
inline std::vector<std::string> fileLines(const std::string& path)
{
    const std::string text = readWholeFile(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// Answers file dialogs from a queue: each answer is a chosen file or a
// cancel (nothing). Every request is kept.
class ScriptedFileChooser : public FileChooser {
public:
    std::optional<ChosenFile> chooseSaveFile(const SaveFileRequest& request) override
    {
        saveRequests.push_back(request);
        return next();
    }
    std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) override
    {
        openRequests.push_back(request);
        const auto answer = next();
        return answer ? std::optional<std::string>(answer->path) : std::nullopt;
    }

    std::deque<std::optional<ChosenFile>> answers;
    std::vector<SaveFileRequest> saveRequests;
    std::vector<OpenFileRequest> openRequests;

private:
    std::optional<ChosenFile> next()
    {
        if (answers.empty())
            return std::nullopt;  // no script: the user cancels
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class RecordingOpener : public DesktopOpener {
public:
    StartResult openInTextViewer(const std::string& path) override
    {
        viewed.push_back(path);
        return viewerResult;
    }
    void openWithAssociatedProgram(const std::string& path) override { opened.push_back(path); }

    StartResult viewerResult = StartResult::Started;
    std::vector<std::string> viewed;
    std::vector<std::string> opened;
};

// One option dialog: it answers what the test set (nothing: Cancel) and
// keeps the requests.
template <typename Answer, typename Request>
struct ScriptedDialog {
    std::optional<Answer> operator()(const Request& request)
    {
        requests.push_back(request);
        return answer;
    }
    std::optional<Answer> answer;
    std::vector<Request> requests;
};

class ScriptedDialogs : public OptionDialogs {
public:
    std::optional<FormatChoice> editFormat(const FormatRequest& request) override { return format(request); }
    std::optional<OutputPrecision> editPrecision(const PrecisionRequest& r) override { return precision(r); }
    std::optional<LogOptions> editLogOptions(const LogOptions& current) override { return logOptions(current); }

    ScriptedDialog<FormatChoice, FormatRequest> format;
    ScriptedDialog<OutputPrecision, PrecisionRequest> precision;
    ScriptedDialog<LogOptions, LogOptions> logOptions;
};

class RecordingStatusLine : public StatusLine {
public:
    void setStatusText(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// A help viewer that answers as told.
class ScriptedHelpViewer : public HelpViewer {
public:
    bool showTopic(const std::string& helpPath, int topic) override
    {
        shown.push_back(helpPath);
        topics.push_back(topic);
        return succeeds;
    }
    std::optional<std::string> lastError() override { return error; }

    bool succeeds = true;
    std::optional<std::string> error;
    std::vector<std::string> shown;
    std::vector<int> topics;
};

}  // namespace tessara::testing
