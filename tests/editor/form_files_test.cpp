#include "editor/form_files.h"
#include "params/ellipsoid_file.h"
#include "params/parameter_file.h"
#include "support/recording_notifier.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tessara::editor {
namespace {

using testing::readFile;
using testing::RecordingNotifier;
using testing::sourcePath;
using testing::TempFolder;

std::string fixture(const char* name) { return sourcePath(std::string("tests/params/fixtures/") + name); }

TEST(EditorFiles, WhatAnOpenedFileShows)
{
    TempFolder folder;
    const std::string notValid = folder.file("not-valid.params");
    RecordingNotifier setup;
    ParameterSet placeholder = ParameterSet::editorFromValues(std::string(kNotValidName), 2000, {}, {});
    ASSERT_TRUE(writeParameterFile(notValid, placeholder, setup));
    struct Case { const char* name; std::string path; const char* shown; std::vector<std::string> messages; };
    const Case cases[] = {
        // The epoch with three decimals, the values with six; the form keeps its mode.
        {"a set", fixture("itrf2000.params"), "ITRF2000 2000.000 -0.076100 -0.000538 1", {}},
        {"damaged checksum: reported, then shown", fixture("bad_crc.params"), "", {"Parameters file is incorrect - checksum does not match"}},
        {"wrong marker", fixture("wrong_marker.params"), nullptr, {"Parameters file is incorrect"}},
        {"cut short: shown as far as read", fixture("truncated.params"), "", {}},
        {"a placeholder of the program", notValid, nullptr, {}},
        {"no such file", folder.file("gone.params"), nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingNotifier notifier;
        const std::optional<ParameterForm> shown = openParameterForm(c.path, ParameterMode::Seven, notifier);
        ASSERT_EQ(shown.has_value(), c.shown != nullptr);
        if (shown && *c.shown != 0) {
            EXPECT_EQ(shown->name + " " + shown->epoch + " " + shown->base[0] + " " + shown->rate[6] + " " +
                          std::to_string(shown->mode == ParameterMode::Seven), c.shown);
        }
        EXPECT_EQ(notifier.messages, c.messages);
    }
}

TEST(EditorFiles, FormsThatFailTheirCheckOrAFileErrorWriteNothingAndASavedEllipsoidIsImported)
{
    TempFolder folder;
    RecordingNotifier notifier;
    const ParameterForm valid = *openParameterForm(fixture("itrf2000.params"), ParameterMode::Seven, notifier);
    ParameterForm form = valid;
    form.epoch = "1969.999";
    EXPECT_FALSE(saveParameterForm(folder.file("a.params"), form, notifier));
    EXPECT_FALSE(saveEllipsoidForm(folder.file("a.ellipsoid"), {"GRS80", "", "298"}, notifier));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    const std::string path = folder.file("no-folder/a.params");
    EXPECT_FALSE(saveParameterForm(path, valid, notifier));
    EXPECT_EQ(notifier.messages, (std::vector<std::string>{"Error parameters are not valid for saving",
                                                         "Error - ellipsoid values are not valid for saving",
                                                         path + ": No such file or directory"}));

    // A saved ellipsoid is the fixture byte for byte, shows the decimals it
    // was saved with, and the program imports it without a message. (A saved
    // parameter set is compared with its fixture by the end-to-end run.)
    notifier.messages.clear();
    const std::optional<EllipsoidForm> grs80 = openEllipsoidForm(fixture("grs80.ellipsoid"), notifier);
    ASSERT_TRUE(grs80);
    const std::string ellipsoid = folder.file("grs80.ellipsoid");
    ASSERT_TRUE(saveEllipsoidForm(ellipsoid, *grs80, notifier));
    EXPECT_EQ(readFile(ellipsoid), readFile(fixture("grs80.ellipsoid")));
    Ellipsoid imported;
    EXPECT_TRUE(readEllipsoidFileInProgram(ellipsoid, imported, notifier).checksumMatches && notifier.messages.empty());

    const EllipsoidForm unentered = shownEllipsoidForm(Ellipsoid::fromValues("X", 6378137.0, -1, 298.25, 2));
    EXPECT_EQ(unentered.semiMajorAxis + "|" + unentered.inverseFlattening, "|298.25");
}

}  // namespace
}  // namespace tessara::editor
