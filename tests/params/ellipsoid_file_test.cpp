// What each program's ellipsoid reader makes of the committed file, a damaged
// one and a missing one (the bytes themselves: fixtures_test).

#include "params/ellipsoid_file.h"

#include "tests/params/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace tessara {
namespace {

TEST(EllipsoidFile, EachProgramsReaderOnWholeDamagedAndMissingFiles)
{
    using Damage = std::function<void(std::string&)>;
    struct Reader { bool goOn; std::vector<std::string> messages; };
    enum Kind { Whole, DamagedChecksum, Other };
    struct Case { const char* name; Kind kind; Damage damage; Reader editor, program; };
    const std::string incorrect = "Ellipsoid file is incorrect";
    test::TempFolder folder;
    const std::string path = folder.file("e.ellipsoid");
    const Case cases[] = {
        {"as written", Whole, [](std::string&) {}, {true, {}}, {true, {}}},
        {"damaged checksum", DamagedChecksum, [](std::string& b) { b[50] = static_cast<char>(b[50] ^ 0x04); },
         {true, {incorrect + " - checksum does not match"}},
         {true, {incorrect + " - stored checksum does not match calculated checksum"}}},
        {"wrong marker", Other, [](std::string& b) { b[0] = '#'; }, {false, {incorrect}}, {false, {incorrect}}},
        // Cut inside the inverse flattening: what was read is kept, silently.
        {"cut short", Other, [](std::string& b) { b.resize(40); }, {true, {}}, {true, {}}},
        {"vanished", Other, nullptr, {true, {}}, {false, {path + ": No such file or directory"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(path);
        if (c.damage) {
            std::string bytes = test::readAll(test::fixture("grs80.ellipsoid"));
            c.damage(bytes);
            test::writeAll(path, bytes);
        }
        for (const bool inProgram : {false, true}) {
            SCOPED_TRACE(inProgram ? "program" : "editor");
            const Reader& expected = inProgram ? c.program : c.editor;
            test::RecordingNotifier notifier;
            Ellipsoid e;
            e.builtIn = true;
            const RecordFileRead read = inProgram ? readEllipsoidFileInProgram(path, e, notifier)
                                                  : readEllipsoidFileInEditor(path, e, notifier);
            EXPECT_EQ(read.goOn, expected.goOn);
            EXPECT_EQ(notifier.messages, expected.messages);
            EXPECT_FALSE(e.valid);  // validity is the caller's to decide
            if (!read.goOn)
                continue;
            EXPECT_EQ(e.builtIn, !inProgram);
            EXPECT_EQ(e.semiMajorAxis, c.damage ? 6378137.0 : kUnsetValue);
            EXPECT_EQ(read.checksumMatches, c.kind == Whole);
            EXPECT_EQ(read.record == RecordRead::Complete, c.kind != Other);
            EXPECT_TRUE(c.kind != Whole || e.semiMajorDecimals * 100 + e.flatteningDecimals == 109);
            EXPECT_TRUE(!c.damage || c.kind != Other || isUnset(e.inverseFlattening));  // cut inside 1/f
            EXPECT_EQ(e.checksum == 0u, c.kind == DamagedChecksum && inProgram);
        }
    }
}

}  // namespace
}  // namespace tessara
