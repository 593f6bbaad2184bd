#include "params/ellipsoid_file.h"

#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara {
namespace {

using test::readAll;
using test::RecordingNotifier;
using test::TempFolder;
using test::writeAll;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

Ellipsoid grs80() { return Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9); }

class EllipsoidFileTest : public ::testing::Test {
protected:
    std::string writeFile(Ellipsoid e, const std::string& name = "e.ellipsoid")
    {
        const std::string path = folder.file(name);
        EXPECT_TRUE(writeEllipsoidFile(path, e, notifier));
        return path;
    }

    TempFolder folder;
    RecordingNotifier notifier;
};

TEST_F(EllipsoidFileTest, BothProgramsReadItBackWithItsDecimals)
{
    const std::string path = writeFile(grs80());
    Ellipsoid inEditor;
    EXPECT_TRUE(readEllipsoidFileInEditor(path, inEditor, notifier).checksumMatches);
    EXPECT_EQ(inEditor.semiMajorDecimals, 1);
    EXPECT_EQ(inEditor.flatteningDecimals, 9);

    Ellipsoid inProgram;
    inProgram.builtIn = true;
    const RecordFileRead read = readEllipsoidFileInProgram(path, inProgram, notifier);
    EXPECT_TRUE(read.goOn);
    EXPECT_FALSE(inProgram.builtIn);
    EXPECT_FALSE(inProgram.valid);  // the program's reader leaves validity alone
    EXPECT_THAT(notifier.messages, IsEmpty());
}

TEST_F(EllipsoidFileTest, WrongChecksumIsReportedInEachProgramsWords)
{
    const std::string path = writeFile(grs80());
    std::string bytes = readAll(path);
    bytes[30] = static_cast<char>(bytes[30] ^ 0x04);
    writeAll(path, bytes);

    Ellipsoid inEditor;
    EXPECT_TRUE(readEllipsoidFileInEditor(path, inEditor, notifier).goOn);
    Ellipsoid inProgram;
    EXPECT_TRUE(readEllipsoidFileInProgram(path, inProgram, notifier).goOn);
    EXPECT_EQ(inProgram.checksum, 0u);
    EXPECT_THAT(notifier.messages,
                ElementsAre("Ellipsoid file is incorrect - checksum does not match",
                            "Ellipsoid file is incorrect - stored checksum does not match "
                            "calculated checksum"));
}

TEST_F(EllipsoidFileTest, WrongMarkerStopsBothPrograms)
{
    std::string bytes = readAll(writeFile(grs80()));
    bytes[0] = '#';
    const std::string path = folder.file("bad.ellipsoid");
    writeAll(path, bytes);

    Ellipsoid e;
    EXPECT_FALSE(readEllipsoidFileInEditor(path, e, notifier).goOn);
    EXPECT_FALSE(readEllipsoidFileInProgram(path, e, notifier).goOn);
    EXPECT_TRUE(e.name.empty());
    EXPECT_THAT(notifier.messages,
                ElementsAre("Ellipsoid file is incorrect", "Ellipsoid file is incorrect"));
}

TEST_F(EllipsoidFileTest, VanishedFileStopsTheProgramsImportInsteadOfAddingAnEmptyEllipsoid)
{
    const std::string path = folder.file("gone.ellipsoid");
    Ellipsoid e;
    EXPECT_TRUE(readEllipsoidFileInEditor(path, e, notifier).goOn);
    EXPECT_THAT(notifier.messages, IsEmpty());

    const RecordFileRead read = readEllipsoidFileInProgram(path, e, notifier);
    EXPECT_FALSE(read.goOn);
    EXPECT_THAT(notifier.messages, ElementsAre(path + ": No such file or directory"));
}

TEST_F(EllipsoidFileTest, TruncatedFileIsIncompleteWithoutMessage)
{
    const std::string path = writeFile(grs80());
    writeAll(path, readAll(path).substr(0, 40));
    Ellipsoid e;
    const RecordFileRead read = readEllipsoidFileInEditor(path, e, notifier);
    EXPECT_TRUE(read.goOn);
    EXPECT_EQ(read.record, RecordRead::Incomplete);
    EXPECT_EQ(e.semiMajorAxis, 6378137.0);
    EXPECT_TRUE(isUnset(e.inverseFlattening));
    EXPECT_THAT(notifier.messages, IsEmpty());
}

}  // namespace
}  // namespace tessara
