#include "params/file_writing.h"

#include "params/file_error.h"
#include "params/record_codec.h"
#include "tests/params/test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include <sys/stat.h>

namespace tessara {
namespace {

using test::readAll;
using test::TempFolder;
using test::writeAll;

namespace fs = std::filesystem;

bool anyRecord(ByteSource& in)
{
    std::string bytes;
    return readBytes(in, 4, bytes);
}

// What a name is, without following it: its type, and for a link its target.
std::string describe(const std::string& path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return "missing";
    if (S_ISLNK(status.st_mode))
        return "link to " + fs::read_symlink(path).string();
    if (S_ISDIR(status.st_mode))
        return "folder with " +
               std::to_string(std::distance(fs::directory_iterator(path), fs::directory_iterator()));
    if (!S_ISREG(status.st_mode))
        return "special";
    return "file " + readAll(path);
}

TEST(SaveTargets, OnlyRegularFilesAndNewNamesAreReplacedAnythingElseIsRefusedUntouched)
{
    // make: makes the name to save to in the folder; expectedError 0: saved;
    // savedTo: the name that holds the bytes afterwards.
    using Make = std::function<bool(const TempFolder&, const std::string&)>;
    struct Case { const char* name; Make make; int expectedError; const char* savedTo; };
    const auto fifo = [](const TempFolder&, const std::string& p) { return ::mkfifo(p.c_str(), 0644) == 0; };
    const auto folder = [](const TempFolder&, const std::string& p) { return fs::create_directory(p); };
    const auto linkTo = [](Make makeTarget, std::string target) {
        return [makeTarget, target](const TempFolder& f, const std::string& p) {
            if (makeTarget && !makeTarget(f, f.file(target)))
                return false;
            fs::create_symlink(target, p);  // relative, as users make them
            return true;
        };
    };
    // A list holding no record yet.
    const auto regular = [](const TempFolder&, const std::string& p) { return writeAll(p, "MARK"), true; };
    const Case cases[] = {
        {"new name", nullptr, 0, "out"},
        {"regular file", regular, 0, "out"},
        {"link to a regular file", linkTo(regular, "target"), 0, "target"},
        {"link to a name that does not exist", linkTo(nullptr, "target"), 0, "target"},
        {"fifo", fifo, kErrorNotRegularFile, nullptr},
        {"folder", folder, EISDIR, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool asList : {false, true}) {
            SCOPED_TRACE(asList ? "list append" : "save");
            TempFolder f;
            const std::string path = f.file("out");
            ASSERT_TRUE(!c.make || c.make(f, path));
            const std::string before = describe(path);
            const std::string targetBefore = describe(f.file("target"));
            const int error = asList ? appendToListFile(path, "MARK", "RECD", &anyRecord).error : replaceFile(path, "NEW!");
            EXPECT_EQ(error, c.expectedError) << fileErrorText(path, error);
            // Saved, or both names untouched.
            EXPECT_EQ(c.savedTo ? readAll(f.file(c.savedTo)) : describe(path) + describe(f.file("target")),
                      c.savedTo ? std::string(asList ? "MARKRECD" : "NEW!") : before + targetBefore);
            // No temporary file is left behind, whatever happened.
            for (const auto& entry : fs::directory_iterator(f.path()))
                EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace tessara
