// What the parameter-file functions add to the committed fixtures (read in
// fixtures_test): list records read whole, file errors, and saving safely.

#include "params/parameter_file.h"

#include "params/file_writing.h"
#include "params/record_codec.h"
#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace tessara {
namespace {

using test::readAll;
using test::writeAll;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace fs = std::filesystem;

ParameterSet setNamed(std::string name)
{
    return ParameterSet::editorFromValues(std::move(name), 2000.0, {1, 2, 3, 4, 5, 6, 7},
                                          {-1, -2, -3, -4, -5, -6, -7});
}

class ParameterFileTest : public ::testing::Test {
protected:
    std::string saved(const std::string& name, const std::string& file = "set.params")
    {
        ParameterSet set = setNamed(name);
        const std::string path = folder.file(file);
        EXPECT_TRUE(writeParameterFile(path, set, notifier));
        return path;
    }
    std::size_t filesInFolder() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
    }

    test::TempFolder folder;
    test::RecordingNotifier notifier;
};

TEST_F(ParameterFileTest, ProgramReadsEditorAndListRecordsAndZeroesAWrongStoredChecksum)
{
    struct Case { const char* name; bool listRecord; bool damaged; RecordRead record; bool valid; std::vector<std::string> messages; };
    const Case cases[] = {
        {"editor file: no displayed flag", false, false, RecordRead::Incomplete, true, {}},
        {"list record read whole", true, false, RecordRead::Complete, true, {}},
        {"list record with a damaged epoch", true, true, RecordRead::Complete, false,
         {"Parameters file is incorrect - stored checksum does not match calculated checksum",
          "Error - Parameters for AB are incorrect - checksum does not match"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes(kParameterMarker);
        ParameterSet written = setNamed("AB");
        writeParameterRecord(bytes, written, c.listRecord);
        if (c.damaged)
            bytes[40] = static_cast<char>(bytes[40] ^ 0x80);
        writeAll(folder.file("set.params"), bytes);
        test::RecordingNotifier read;
        ParameterSet set;
        set.displayed = false;
        set.builtIn = true;
        const RecordFileRead result = readParameterFileInProgram(folder.file("set.params"), set, read);
        EXPECT_TRUE(result.goOn && set.displayed && !set.builtIn && result.record == c.record && set.valid == c.valid &&
                    (set.checksum == 0u) == c.damaged);
        EXPECT_EQ(read.messages, c.messages);
    }
}

TEST_F(ParameterFileTest, FileErrorsCarryThePathAndThePlatformText)
{
    ParameterSet set;
    // No such file: both readers go on without reading and say nothing.
    EXPECT_TRUE(readParameterFileInEditor(folder.file("none.params"), set, notifier).goOn);
    EXPECT_FALSE(readParameterFileInProgram(folder.file("none.params"), set, notifier).found);
    EXPECT_THAT(notifier.messages, IsEmpty());

    const std::string dir = folder.file("dir.params");
    fs::create_directory(dir);
    const RecordFileRead read = readParameterFileInProgram(dir, set, notifier);
    EXPECT_TRUE(!read.goOn && read.fileError);
    EXPECT_THAT(notifier.messages, ElementsAre(dir + ": Is a directory"));
}

// Saving over a longer read-only file succeeds and leaves it writable and
// no longer; a failed save on a full disk keeps the previous file whole.
TEST_F(ParameterFileTest, SavingOverAReadOnlyFileAndFailingOnAFullDisk)
{
    const std::string path = saved("first");
    setReadOnly(path);
    saved("kept");
    const std::string before = readAll(path);
    EXPECT_TRUE(!isReadOnly(path) && before.substr(26, 4) == "kept" && before.size() == 154u);
    ParameterSet huge = setNamed(std::string(4000, 'h'));
    {
        test::FileSizeLimit limit(1000);
        EXPECT_FALSE(writeParameterFile(path, huge, notifier));
    }
    EXPECT_THAT(notifier.messages, ElementsAre(path + ": File too large"));
    EXPECT_TRUE(readAll(path) == before && filesInFolder() == 1u);  // the temporary file is gone too
}

}  // namespace
}  // namespace tessara
