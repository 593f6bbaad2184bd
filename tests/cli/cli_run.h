#pragma once

// Runs tessara-cli commands in-process for the tests of transform, point
// and sets: a program folder of their own (TESSARA_HOME, empty unless a
// test stores lists in it) and a working folder, so that the headers of
// output files show bare names.

#include "cli/dispatcher.h"
#include "tests/params/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tessara::cli::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliRun runCommandLine(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    Streams io{out, err};
    const int status = runCli(args, io);
    return {status, out.str(), err.str()};
}

inline std::filesystem::path sourceRoot()
{
    return std::filesystem::path(TESSARA_SOURCE_DIR);
}
inline std::string examplePath(const std::string& name)
{
    return (sourceRoot() / "examples" / name).string();
}
inline std::string goldenPath(const std::string& name)
{
    return (sourceRoot() / "tests" / "filetransform" / "golden" / name).string();
}

// The output with the time of the header replaced, as the stored outputs
// have it.
inline std::string maskedTime(std::string text)
{
    const std::string label = "File created:    ";
    const std::size_t at = text.find(label);
    if (at != std::string::npos) {
        const std::size_t from = at + label.size();
        text.replace(from, text.find('\r', from) - from, "<time>");
    }
    return text;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* home = std::getenv("TESSARA_HOME"))
            savedHome_ = home;
        ::setenv("TESSARA_HOME", home_.path().c_str(), 1);
        savedFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(work_.path());
    }
    void TearDown() override
    {
        std::filesystem::current_path(savedFolder_);
        if (savedHome_)
            ::setenv("TESSARA_HOME", savedHome_->c_str(), 1);
        else
            ::unsetenv("TESSARA_HOME");
    }

    // A sample file copied into the working folder under its own name.
    static void copyExample(const std::string& name)
    {
        std::filesystem::copy_file(examplePath(name), name,
                                   std::filesystem::copy_options::overwrite_existing);
    }

    tessara::test::TempFolder home_;
    tessara::test::TempFolder work_;

private:
    std::optional<std::string> savedHome_;
    std::filesystem::path savedFolder_;
};

}  // namespace tessara::cli::test
