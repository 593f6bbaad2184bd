#pragma once

// Test doubles of the main form's services, shared by the core tests and
// the widget tests: scripted answers instead of dialogs, records instead of
// windows. No test framework is needed here.
#include "interactive/help_routine.h"
#include "interactive/form_services.h"

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace tessara::testing {

// A fresh folder, removed with everything in it afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tessara-form-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool valid() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
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

// The option dialogs answer what the test set (nothing: Cancel) and keep
// the requests.
class ScriptedDialogs : public OptionDialogs {
public:
    std::optional<FormatChoice> editFormat(const FormatRequest& request) override
    {
        formatRequests.push_back(request);
        return format;
    }
    std::optional<OutputPrecision> editPrecision(const PrecisionRequest& request) override
    {
        precisionRequests.push_back(request);
        return precision;
    }
    std::optional<LogOptions> editLogOptions(const LogOptions& current) override
    {
        logRequests.push_back(current);
        return logOptions;
    }

    std::optional<FormatChoice> format;
    std::optional<OutputPrecision> precision;
    std::optional<LogOptions> logOptions;
    std::vector<FormatRequest> formatRequests;
    std::vector<PrecisionRequest> precisionRequests;
    std::vector<LogOptions> logRequests;
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
