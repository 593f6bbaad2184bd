#pragma once

// Runs tessara-cli commands in-process: a program folder of their own
// (TESSARA_HOME, empty unless a test stores lists in it) and a working
// folder, so that the headers of output files show bare names.

#include "cli/dispatcher.h"
#include "cli/transform_command.h"

#include "support/recording_notifier.h"
#include "support/working_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tessara::cli::test {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using tessara::testing::readFile;
using tessara::testing::sourcePath;
using tessara::testing::writeFile;
using Args = std::vector<std::string>;

struct CliRun {
    int status = -1;
    std::string out, err;
};

inline CliRun runCommandLine(const Args& args)
{
    std::ostringstream out, err;
    Streams io{out, err};
    const int status = runCli(args, io);
    return {status, out.str(), err.str()};
}

// transform with files of the test's own for standard input and output; the
// error stream is no terminal.
inline CliRun runTransformWith(const Args& args, const std::string& inputFile, const std::string& outputFile)
{
    std::ostringstream out, err;
    Streams io{out, err};
    const ProcessStreams process{inputFile.empty() ? -1 : ::open(inputFile.c_str(), O_RDONLY),
                                 outputFile.empty() ? -1 : ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644),
                                 -1};
    const int status = runTransform(args, io, process);
    for (const int fd : {process.input, process.output})
        if (fd >= 0)
            ::close(fd);
    return {status, out.str(), err.str()};
}

inline std::string fixture(const std::string& name) { return sourcePath("tests/params/fixtures/" + name); }

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TESSARA_HOME", home_.path().c_str(), 1); }
    void TearDown() override
    {
        savedHome_ ? ::setenv("TESSARA_HOME", savedHome_->c_str(), 1) : ::unsetenv("TESSARA_HOME");
    }
    // Sample files copied into the working folder under their own names.
    static void copyExamples(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            std::filesystem::copy_file(sourcePath(std::string("examples/") + name), name);
    }

    tessara::testing::TempFolder home_;
    tessara::testing::WorkingFolder work_;

private:
    const char* const home = std::getenv("TESSARA_HOME");
    std::optional<std::string> savedHome_ = home ? std::optional<std::string>(home) : std::nullopt;
};

}  // namespace tessara::cli::test
