#include "params/parameter_file.h"

#include "params/file_writing.h"
#include "params/record_codec.h"
#include "support/recording_notifier.h"
#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace tessara {
namespace {

using test::readAll;
using test::RecordingNotifier;
using test::TempFolder;
using test::writeAll;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace fs = std::filesystem;
using namespace std::string_literals;

// ITRF2000 as the parameter editor builds it from its form.
ParameterSet itrf2000(std::string name = "ITRF2000")
{
    return ParameterSet::editorFromValues(
        std::move(name), 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
        {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
}

std::string checksumMessage(const std::string& name)
{
    return "Error - Parameters for " + name + " are incorrect - checksum does not match";
}

class ParameterFileTest : public ::testing::Test {
protected:
    // Writes the set as the editor does and returns the path.
    std::string writeEditorFile(ParameterSet set, const std::string& name = "set.params")
    {
        const std::string path = folder.file(name);
        EXPECT_TRUE(writeParameterFile(path, set, notifier));
        EXPECT_THAT(notifier.messages, IsEmpty());
        return path;
    }

    TempFolder folder;
    RecordingNotifier notifier;
};

TEST_F(ParameterFileTest, EditorReadsItsFileWholeAndTheProgramReadsItIncompleteButValid)
{
    const std::string path = writeEditorFile(itrf2000());

    ParameterSet inEditor;
    const RecordFileRead editor = readParameterFileInEditor(path, inEditor, notifier);
    EXPECT_TRUE(editor.goOn && editor.record == RecordRead::Complete && editor.checksumMatches);
    EXPECT_EQ(inEditor.rate, itrf2000().rate);

    ParameterSet inProgram;
    inProgram.displayed = false;
    inProgram.builtIn = true;
    const RecordFileRead program = readParameterFileInProgram(path, inProgram, notifier);
    EXPECT_TRUE(program.goOn && program.record == RecordRead::Incomplete);
    EXPECT_TRUE(inProgram.valid && inProgram.displayed && !inProgram.builtIn);
    EXPECT_EQ(inProgram.name, "ITRF2000");
    EXPECT_THAT(notifier.messages, IsEmpty());
}

TEST_F(ParameterFileTest, NameOf255CharactersTakesTheThreeBytePrefixAndReadsBackInBoth)
{
    const std::string name(255, 'L');
    const std::string path = writeEditorFile(itrf2000(name));
    const std::string bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 25u + 3 + 255 + 15 * 8 + 4);
    EXPECT_EQ(bytes.substr(25, 3), "\xFF\xFF\x00"s);

    ParameterSet inEditor;
    EXPECT_EQ(readParameterFileInEditor(path, inEditor, notifier).record, RecordRead::Complete);
    EXPECT_EQ(inEditor.name, name);
    ParameterSet inProgram;
    readParameterFileInProgram(path, inProgram, notifier);
    EXPECT_TRUE(inProgram.name == name && inProgram.valid);
    EXPECT_THAT(notifier.messages, IsEmpty());
}

TEST_F(ParameterFileTest, ProgramReadsAListRecordWholeAndZeroesAWrongStoredChecksum)
{
    ParameterSet set = itrf2000();
    std::string bytes(kParameterMarker);
    writeParameterRecord(bytes, set, true);
    const std::string path = folder.file("copy.params");
    writeAll(path, bytes);

    ParameterSet good;
    EXPECT_EQ(readParameterFileInProgram(path, good, notifier).record, RecordRead::Complete);
    EXPECT_TRUE(good.valid && notifier.messages.empty());

    bytes[40] = static_cast<char>(bytes[40] ^ 0x80);  // inside the epoch
    writeAll(path, bytes);
    ParameterSet damaged;
    const RecordFileRead read = readParameterFileInProgram(path, damaged, notifier);
    EXPECT_TRUE(read.goOn && damaged.checksum == 0u && !damaged.valid);
    EXPECT_THAT(notifier.messages,
                ElementsAre("Parameters file is incorrect - stored checksum does not match calculated checksum",
                            checksumMessage("ITRF2000")));
}

TEST_F(ParameterFileTest, FileErrorsCarryThePathAndThePlatformText)
{
    ParameterSet set;
    // No such file: both readers go on without reading and say nothing.
    EXPECT_TRUE(readParameterFileInEditor(folder.file("none.params"), set, notifier).goOn);
    EXPECT_FALSE(readParameterFileInProgram(folder.file("none.params"), set, notifier).found);
    EXPECT_THAT(notifier.messages, IsEmpty());

    // A folder where a file is expected.
    const std::string dir = folder.file("dir.params");
    fs::create_directory(dir);
    const RecordFileRead read = readParameterFileInProgram(dir, set, notifier);
    EXPECT_TRUE(!read.goOn && read.fileError);
    EXPECT_THAT(notifier.messages, ElementsAre(dir + ": Is a directory"));

    notifier.messages.clear();
    ParameterSet toWrite = itrf2000();
    const std::string nowhere = folder.file("missing/set.params");
    EXPECT_FALSE(writeParameterFile(nowhere, toWrite, notifier));
    EXPECT_THAT(notifier.messages, ElementsAre(nowhere + ": No such file or directory"));
}

TEST_F(ParameterFileTest, SavingOverAReadOnlyFileSucceedsAndLeavesItWritable)
{
    const std::string path = writeEditorFile(itrf2000("first"));
    setReadOnly(path);
    ASSERT_TRUE(isReadOnly(path));

    ParameterSet second = itrf2000("second");
    EXPECT_TRUE(writeParameterFile(path, second, notifier));
    EXPECT_FALSE(isReadOnly(path));
    EXPECT_EQ(readAll(path).substr(26, 6), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(ParameterFileTest, FailedSaveKeepsThePreviousFileWhole)
{
    const std::string path = writeEditorFile(itrf2000("kept"));
    const std::string before = readAll(path);

    ParameterSet huge = itrf2000(std::string(4000, 'h'));
    {
        test::FileSizeLimit limit(1000);
        EXPECT_FALSE(writeParameterFile(path, huge, notifier));
    }
    EXPECT_THAT(notifier.messages, ElementsAre(path + ": File too large"));
    EXPECT_EQ(readAll(path), before);
    // The temporary file is gone too.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(ParameterFileTest, SavingThroughALinkReplacesTheFileBehindIt)
{
    const std::string target = writeEditorFile(itrf2000("old"), "target.params");
    const std::string link = folder.file("link.params");
    fs::create_symlink(target, link);

    ParameterSet set = itrf2000("new");
    ASSERT_TRUE(writeParameterFile(link, set, notifier));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readAll(target).substr(26, 3), "new");
}

TEST(Validity, ProgramRuleReportsChecksumMismatchOnce)
{
    tessara::testing::RecordingNotifier notifier;

    ParameterSet good = ParameterSet::fromValues(
        "ITRF2000", 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
        {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
    validateProgram(good, notifier);
    EXPECT_TRUE(good.valid);
    EXPECT_TRUE(notifier.shown.empty());

    ParameterSet damaged = good;
    damaged.base[3] = 0.008766;
    validateProgram(damaged, notifier);
    EXPECT_FALSE(damaged.valid);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].text,
              "Error - Parameters for ITRF2000 are incorrect - checksum does not match");
    EXPECT_EQ(notifier.shown[0].caption, "");
}

}  // namespace
}  // namespace tessara
