// The committed sample files: their bytes checked by hand against the file
// layout, and what each program's reader makes of them.

#include "params/ellipsoid_file.h"
#include "params/parameter_file.h"
#include "params/record_codec.h"
#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tessara {
namespace {

using test::doubleBytes;
using test::fixture;
using test::readAll;
using test::RecordingNotifier;
using ::testing::ElementsAreArray;

using namespace std::string_literals;

// The committed file laid out by hand; that the editor and tessara-cli
// write exactly it is checked by the end-to-end runs.
TEST(Fixtures, Itrf2000ParameterFileBytes)
{
    const std::string bytes = readAll(fixture("itrf2000.params"));
    ASSERT_EQ(bytes.size(), 158u);
    EXPECT_EQ(bytes.substr(0, 26), "**** ITRF Parameters ****\x08"s);
    EXPECT_EQ(bytes.substr(26, 8), "ITRF2000");
    EXPECT_EQ(bytes.substr(34, 8), "\x00\x00\x00\x00\x00\x40\x9F\x40"s);  // 2000.0
    EXPECT_EQ(bytes.substr(42, 16), doubleBytes(-0.0761) + doubleBytes(0.011));  // dx, then its rate
    EXPECT_EQ(bytes.substr(146, 8), doubleBytes(-0.000538));
    // CRC-32 over "ITRF2000" and the fifteen doubles in sequence order.
    EXPECT_EQ(bytes.substr(154, 4), "\xAD\x3D\x04\x3B"s);
}

TEST(Fixtures, Grs80EllipsoidFileBytes)
{
    Ellipsoid e = Ellipsoid::fromValues("GRS80", 6378137.0, 1, 298.257222101, 9);
    test::TempFolder folder;
    RecordingNotifier notifier;
    ASSERT_TRUE(writeEllipsoidFile(folder.file("w.ellipsoid"), e, notifier));
    const std::string bytes = readAll(fixture("grs80.ellipsoid"));
    EXPECT_EQ(readAll(folder.file("w.ellipsoid")), bytes);
    ASSERT_EQ(bytes.size(), 53u);
    EXPECT_EQ(bytes.substr(0, 25), "**** Ellipsoid ****\x05GRS80"s);
    // 6378137.0, its decimals, 1/f and its decimals, the checksum.
    EXPECT_EQ(bytes.substr(25), "\x00\x00\x00\x40\xA6\x54\x58\x41\x01\x00\x00\x00"s + doubleBytes(298.257222101) +
                                    "\x09\x00\x00\x00\x00\xF5\x3F\x25"s);
}

TEST(Fixtures, WhatEachProgramMakesOfThem)
{
    const std::string editorChecksum = "Parameters file is incorrect - checksum does not match";
    const std::string programChecksum =
        "Error - Parameters for ITRF2000 are incorrect - checksum does not match";
    struct Case { const char* file; bool editorGoesOn; std::vector<std::string> editorMessages; bool programValid; std::vector<std::string> programMessages; };
    const Case cases[] = {
        {"itrf2000.params", true, {}, true, {}},
        {"bad_crc.params", true, {editorChecksum}, false, {programChecksum}},
        // Cut inside the rx rate: no checksum was read, so nothing to compare.
        {"truncated.params", true, {}, false, {programChecksum}},
        // A wrong marker stops the editor; the program sends an empty set on.
        {"wrong_marker.params", false, {"Parameters file is incorrect"}, false,
         {"Parameters file is incorrect",
          "Error - Parameters for  are incorrect - checksum does not match"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        RecordingNotifier editor, program;
        ParameterSet inEditor, inProgram;
        inEditor.name = "previous";
        EXPECT_EQ(readParameterFileInEditor(fixture(c.file), inEditor, editor).goOn,
                  c.editorGoesOn);
        EXPECT_EQ(inEditor.name, c.editorGoesOn ? "ITRF2000" : "previous");
        EXPECT_THAT(editor.messages, ElementsAreArray(c.editorMessages));

        EXPECT_TRUE(readParameterFileInProgram(fixture(c.file), inProgram, program).goOn);
        EXPECT_EQ(inProgram.valid, c.programValid);
        EXPECT_THAT(program.messages, ElementsAreArray(c.programMessages));
    }
}

}  // namespace
}  // namespace tessara
