// The help command: finding the help file, asking for it, showing it and
// reporting a failed display.
#include "program/memory_settings_store.h"
#include "interactive/help_routine.h"
#include "support/recording_notifier.h"
#include "tests/interactive/form_doubles.h"

#include <gtest/gtest.h>

namespace tessara::testing {
namespace {

class Help : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.valid()); }

    std::string program() const { return folder.file("tessara"); }
    HelpRoutine routine() const { return HelpRoutine(program(), ini, folder.path()); }

    ScratchFolder folder;
    MemorySettingsStore ini;
    RecordingNotifier notifier;
    ScriptedFileChooser files;
    ScriptedHelpViewer viewer;
};

TEST_F(Help, ExistingFileIsShownAtTopic128)
{
    writeWholeFile(folder.file("tessara_help.html"), "<html></html>");
    ini.writeString("Settings", "HelpFile", "tessara_help.html");
    HelpRoutine help = routine();
    EXPECT_TRUE(help.helpFileFound());
    help.OnHelp(notifier, files, viewer, ini);
    EXPECT_EQ(viewer.shown, std::vector<std::string>{folder.file("tessara_help.html")});
    EXPECT_EQ(viewer.topics, std::vector<int>{128});
    EXPECT_TRUE(notifier.asked.empty());
}

TEST_F(Help, MissingFileIsOfferedToBeLookedFor)
{
    struct Case { const char* name; bool reply; std::optional<ChosenFile> chosen; bool shown; };
    const Case cases[] = {
        {"declined", false, std::nullopt, false},
        {"dialog cancelled", true, std::nullopt, false},
        {"file chosen", true, ChosenFile{"/opt/help/page.html", false}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ini = MemorySettingsStore{};
        notifier = RecordingNotifier{};
        viewer = ScriptedHelpViewer{};
        files.answers = {c.chosen};
        notifier.reply = c.reply;
        HelpRoutine help = routine();
        help.OnHelp(notifier, files, viewer, ini);

        ASSERT_EQ(notifier.asked.size(), 1u);
        EXPECT_EQ(notifier.asked[0].caption, "Windows Help");
        EXPECT_EQ(notifier.asked[0].text, "Cannot find the help file " + folder.file("tessara.chm") +
                                              "\nDo you want to try to find this file yourself?");
        EXPECT_EQ(!viewer.shown.empty(), c.shown);
        EXPECT_EQ(help.helpFileFound(), c.shown);
        EXPECT_EQ(ini.value("Settings", "HelpFile").has_value(), c.shown);
        if (c.shown) {
            EXPECT_EQ(help.helpPath(), "/opt/help/page.html");
            EXPECT_EQ(files.openRequests.back().filter, "Help files (*.html *.htm)|*.html;*.htm||");
            EXPECT_EQ(files.openRequests.back().initialPath, folder.file("tessara.chm"));
        }
    }
}

TEST_F(Help, FailedDisplayIsReportedAndTheFileLookedForAgain)
{
    writeWholeFile(folder.file("tessara_help.html"), "<html></html>");
    ini.writeString("Settings", "HelpFile", "tessara_help.html");
    HelpRoutine help = routine();
    viewer.succeeds = false;
    viewer.error = "The help file could not be opened.";
    help.OnHelp(notifier, files, viewer, ini);
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0].caption, "Help Error");
    EXPECT_EQ(notifier.shown[0].text,
              "The help file could not be opened.\n" + folder.file("tessara_help.html"));
    EXPECT_FALSE(help.helpFileFound());

    notifier.reply = false;
    help.OnHelp(notifier, files, viewer, ini);
    EXPECT_EQ(notifier.asked.size(), 1u);  // asked although the file exists
    EXPECT_EQ(viewer.shown.size(), 1u);

    // A viewer that cannot say why reports nothing.
    HelpRoutine quiet = routine();
    viewer.error.reset();
    quiet.OnHelp(notifier, files, viewer, ini);
    EXPECT_EQ(notifier.shown.size(), 1u);
    EXPECT_TRUE(quiet.helpFileFound());
}

TEST(HelpIni, TheProgramFoldersOwnComesFirst)
{
    ScratchFolder folder;
    const std::string own = folder.file("own.ini");
    const std::string installed = folder.file("installed.ini");
    EXPECT_EQ(helpIniPath(own, installed), own);  // neither exists: where it will be written
    writeWholeFile(installed, "[Settings]\n");
    EXPECT_EQ(helpIniPath(own, installed), installed);
    writeWholeFile(own, "[Settings]\n");
    EXPECT_EQ(helpIniPath(own, installed), own);
}

}  // namespace
}  // namespace tessara::testing
