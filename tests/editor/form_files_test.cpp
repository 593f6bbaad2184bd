#include "editor/form_files.h"
#include "params/ellipsoid_file.h"
#include "params/parameter_file.h"
#include "support/recording_notifier.h"
#include "tests/params/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace tessara::editor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::RecordingNotifier;

std::string fixture(const char* name)
{
    return std::filesystem::path(TESSARA_SOURCE_DIR) / "tests/params/fixtures" / name;
}

std::vector<std::string> texts(const std::vector<RecordingNotifier::Shown>& shown)
{
    std::vector<std::string> result;
    for (const RecordingNotifier::Shown& s : shown)
        result.push_back(s.text);
    return result;
}

ParameterForm itrf2000Form()
{
    ParameterForm form;
    form.name = "ITRF2000";
    form.epoch = "2000";
    form.base = {"-0.0761", "-0.0101", "0.0444", "0.008765", "0.009361", "0.009325", "0.007935"};
    form.rate = {"0.011", "-0.0045", "-0.0174", "0.001034", "0.000671", "0.001039", "-0.000538"};
    return form;
}

TEST(EditorFiles, OpenShowsTheSetWithThreeAndSixDecimals)
{
    RecordingNotifier notifier;
    const std::optional<ParameterForm> shown =
        openParameterForm(fixture("itrf2000.params"), ParameterMode::Seven, notifier);
    ASSERT_TRUE(shown);
    EXPECT_THAT(notifier.shown, IsEmpty());
    EXPECT_EQ(shown->name + " " + shown->epoch + " " + shown->base[0] + " " + shown->rate[6],
              "ITRF2000 2000.000 -0.076100 -0.000538");
    EXPECT_EQ(shown->mode, ParameterMode::Seven);  // opening keeps the form's mode
}

TEST(EditorFiles, WhatAnOpenedFileShows)
{
    test::TempFolder folder;
    const std::string empty = folder.file("marker-only.params");
    test::writeAll(empty, "**** ITRF Parameters ****");
    const std::string notValid = folder.file("not-valid.params");
    ParameterSet placeholder = ParameterSet::editorFromValues(
        std::string(kNotValidName), 2000, SevenValues{}, SevenValues{});
    RecordingNotifier setup;
    ASSERT_TRUE(writeParameterFile(notValid, placeholder, setup));

    struct Case { const char* name; std::string path; bool shows; std::vector<std::string> messages; };
    const Case cases[] = {
        {"damaged checksum: reported, then shown", fixture("bad_crc.params"), true, {"Parameters file is incorrect - checksum does not match"}},
        {"wrong marker", fixture("wrong_marker.params"), false, {"Parameters file is incorrect"}},
        {"cut short: shown as far as read", fixture("truncated.params"), true, {}},
        {"only the marker: nothing read, nothing set", empty, true, {}},
        {"a placeholder of the program", notValid, false, {}},
        {"no such file", folder.file("gone.params"), false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingNotifier notifier;
        const std::optional<ParameterForm> shown =
            openParameterForm(c.path, ParameterMode::Fourteen, notifier);
        EXPECT_EQ(shown.has_value(), c.shows);
        EXPECT_EQ(texts(notifier.shown), c.messages);
    }
}

TEST(EditorFiles, ASavedSetIsImportedByTheProgramWithoutAMessage)
{
    test::TempFolder folder;
    const std::string path = folder.file("itrf2000.params");
    RecordingNotifier notifier;
    ASSERT_TRUE(saveParameterForm(path, itrf2000Form(), notifier));
    EXPECT_EQ(test::readAll(path), test::readAll(fixture("itrf2000.params")));

    ParameterSet imported;
    const RecordFileRead read = readParameterFileInProgram(path, imported, notifier);
    EXPECT_TRUE(read.goOn && imported.valid);
    EXPECT_EQ(imported.name, "ITRF2000");
    EXPECT_EQ(imported.rate[6], -0.000538);
    EXPECT_THAT(notifier.shown, IsEmpty());
}

TEST(EditorFiles, AFormThatFailsItsCheckWritesNothing)
{
    test::TempFolder folder;
    RecordingNotifier notifier;
    ParameterForm form = itrf2000Form();
    form.epoch = "1969.999";
    EXPECT_FALSE(saveParameterForm(folder.file("a.params"), form, notifier));
    EXPECT_FALSE(saveEllipsoidForm(folder.file("a.ellipsoid"), {"GRS80", "", "298"}, notifier));
    EXPECT_THAT(texts(notifier.shown),
                ElementsAre("Error parameters are not valid for saving",
                            "Error - ellipsoid values are not valid for saving"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(EditorFiles, AFileErrorIsReportedWithTheSystemsText)
{
    test::TempFolder folder;
    RecordingNotifier notifier;
    const std::string path = folder.file("no-folder/a.params");
    EXPECT_FALSE(saveParameterForm(path, itrf2000Form(), notifier));
    EXPECT_THAT(texts(notifier.shown), ElementsAre(path + ": No such file or directory"));
}

TEST(EditorFiles, TheEllipsoidShowsTheDecimalsItWasSavedWith)
{
    test::TempFolder folder;
    RecordingNotifier notifier;
    const std::optional<EllipsoidForm> grs80 =
        openEllipsoidForm(fixture("grs80.ellipsoid"), notifier);
    ASSERT_TRUE(grs80);
    // Shown and saved again, the file is the same byte for byte, and the
    // program takes it.
    const std::string path = folder.file("grs80.ellipsoid");
    ASSERT_TRUE(saveEllipsoidForm(path, *grs80, notifier));
    EXPECT_EQ(test::readAll(path), test::readAll(fixture("grs80.ellipsoid")));
    Ellipsoid imported;
    EXPECT_TRUE(readEllipsoidFileInProgram(path, imported, notifier).checksumMatches);
    EXPECT_THAT(notifier.shown, IsEmpty());

    Ellipsoid unentered = Ellipsoid::fromValues("X", 6378137.0, -1, 298.25, 2);
    const EllipsoidForm shown = shownEllipsoidForm(unentered);
    EXPECT_EQ(shown.semiMajorAxis + "|" + shown.inverseFlattening, "|298.25");
}

}  // namespace
}  // namespace tessara::editor
