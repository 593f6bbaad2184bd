#pragma once

#include "records/builtin_records.h"
#include "filetransform/file_transformer.h"

#include "support/working_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace tessara::testing {

struct RunOutcome {
    FileRunResult result;
    std::string output;
    std::vector<std::string> messages;
    std::vector<FileRunProgress> progress;
};

// Runs in a working folder of the test's own, so that the header shows the
// bare file names.
class FileRunTest : public ::testing::Test {
protected:
    // ITRF2000 (the first built-in set), GRS80, epoch 01/01/2005, default output.
    static FileRunSettings settings(const std::string& input, const std::string& output)
    {
        FileRunSettings s;
        s.inputPath = input;
        s.outputPath = output;
        s.format.parameterSetName = "ITRF2000";
        s.format.setDate = "01/01/2005";
        s.parameters = builtInParameterSets().front();
        s.ellipsoid = builtInEllipsoid();
        return s;
    }

    // cancelAfter: a request to cancel comes once that many progress
    // reports were made (none by default).
    static RunOutcome run(FileRunSettings s, FileRunStreams streams = {}, std::size_t cancelAfter = 0)
    {
        RunOutcome outcome;
        FileRunCallbacks callbacks;
        callbacks.message = [&](std::string_view m) { outcome.messages.emplace_back(m); };
        callbacks.progress = [&](const FileRunProgress& p) { outcome.progress.push_back(p); };
        if (cancelAfter > 0)
            callbacks.cancelled = [&] { return outcome.progress.size() >= cancelAfter; };
        const std::string outputPath = s.outputPath;
        outcome.result = FileTransformer(std::move(s), std::move(callbacks)).Run(streams);
        // Only a file: /dev/full reads as endless zeros.
        if (streams.outputDescriptor < 0 && std::filesystem::is_regular_file(outputPath))
            outcome.output = readFile(outputPath);
        return outcome;
    }

    WorkingFolder folder_;
};

// The output with the time of the header replaced, so that it can be
// compared byte for byte with a stored file.
inline std::string maskedTime(std::string text)
{
    const std::string label = "File created:    ";
    if (const std::size_t at = text.find(label); at != std::string::npos)
        text.replace(at + label.size(), text.find('\r', at) - at - label.size(), "<time>");
    return text;
}

// Compares with tests/filetransform/golden/<name>; with the environment
// variable TESSARA_UPDATE_GOLDEN set, writes the file instead.
inline void expectGolden(const std::string& name, const std::string& text)
{
    const std::string path = sourcePath("tests/filetransform/golden/" + name);
    if (std::getenv("TESSARA_UPDATE_GOLDEN"))
        return writeFile(path, text);
    const std::string stored = readFile(path);
    ASSERT_FALSE(stored.empty()) << "missing golden file " << path;
    EXPECT_EQ(text, stored) << "output differs from " << path;
}

}  // namespace tessara::testing
