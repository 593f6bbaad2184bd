// The committed sample files: their bytes checked by hand against the file
// layout, and what each program's reader makes of them.

#include "params/ellipsoid_file.h"
#include "params/parameter_file.h"
#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace tessara {
namespace {

using test::readAll;
using test::RecordingNotifier;
using ::testing::ElementsAreArray;

using namespace std::string_literals;

std::string fixture(const char* name)
{
    return (std::filesystem::path(__FILE__).parent_path() / "fixtures" / name).string();
}

TEST(Fixtures, Itrf2000ParameterFileBytes)
{
    const std::string bytes = readAll(fixture("itrf2000.params"));
    ASSERT_EQ(bytes.size(), 158u);
    EXPECT_EQ(bytes.substr(0, 26), "**** ITRF Parameters ****\x08"s);
    EXPECT_EQ(bytes.substr(26, 8), "ITRF2000");
    EXPECT_EQ(bytes.substr(34, 8), "\x00\x00\x00\x00\x00\x40\x9F\x40"s);  // 2000.0
    // CRC-32 over "ITRF2000" and the fifteen doubles in sequence order.
    EXPECT_EQ(bytes.substr(154, 4), "\xAD\x3D\x04\x3B"s);
}

TEST(Fixtures, Grs80EllipsoidFileBytes)
{
    const std::string bytes = readAll(fixture("grs80.ellipsoid"));
    ASSERT_EQ(bytes.size(), 53u);
    EXPECT_EQ(bytes.substr(0, 25), "**** Ellipsoid ****\x05GRS80"s);
    EXPECT_EQ(bytes.substr(25, 8), "\x00\x00\x00\x40\xA6\x54\x58\x41"s);  // 6378137.0
    EXPECT_EQ(bytes.substr(33, 4), "\x01\x00\x00\x00"s);
    EXPECT_EQ(bytes.substr(45, 4), "\x09\x00\x00\x00"s);
    EXPECT_EQ(bytes.substr(49, 4), "\x00\xF5\x3F\x25"s);
}

TEST(Fixtures, DamagedFilesDifferFromTheGoodOneWhereTheirNameSays)
{
    const std::string good = readAll(fixture("itrf2000.params"));
    std::string badCrc = good;
    badCrc[154] = static_cast<char>(badCrc[154] ^ 0x01);
    EXPECT_EQ(readAll(fixture("bad_crc.params")), badCrc);
    EXPECT_EQ(readAll(fixture("truncated.params")), good.substr(0, 100));
    std::string wrongMarker = good;
    wrongMarker[24] = '-';
    EXPECT_EQ(readAll(fixture("wrong_marker.params")), wrongMarker);
}

TEST(Fixtures, WhatEachProgramMakesOfThem)
{
    const std::string editorChecksum = "Parameters file is incorrect - checksum does not match";
    const std::string programChecksum =
        "Error - Parameters for ITRF2000 are incorrect - checksum does not match";
    struct Case {
        const char* file;
        bool editorGoesOn;
        std::vector<std::string> editorMessages;
        bool programValid;
        std::vector<std::string> programMessages;
    };
    const Case cases[] = {
        {"itrf2000.params", true, {}, true, {}},
        {"bad_crc.params", true, {editorChecksum}, false, {programChecksum}},
        // Cut inside the rx rate: no checksum was read, so nothing to compare.
        {"truncated.params", true, {}, false, {programChecksum}},
        {"wrong_marker.params",
         false,
         {"Parameters file is incorrect"},
         false,
         {"Parameters file is incorrect",
          "Error - Parameters for  are incorrect - checksum does not match"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        RecordingNotifier editor;
        ParameterSet inEditor;
        EXPECT_EQ(readParameterFileInEditor(fixture(c.file), inEditor, editor).goOn,
                  c.editorGoesOn);
        EXPECT_THAT(editor.messages, ElementsAreArray(c.editorMessages));

        RecordingNotifier program;
        ParameterSet inProgram;
        EXPECT_TRUE(readParameterFileInProgram(fixture(c.file), inProgram, program).goOn);
        EXPECT_EQ(inProgram.valid, c.programValid);
        EXPECT_THAT(program.messages, ElementsAreArray(c.programMessages));
    }

    RecordingNotifier notifier;
    Ellipsoid grs80;
    EXPECT_TRUE(
        readEllipsoidFileInProgram(fixture("grs80.ellipsoid"), grs80, notifier).checksumMatches);
    EXPECT_EQ(grs80.inverseFlattening, 298.257222101);
}

}  // namespace
}  // namespace tessara
