// The help command: finding the help file, asking for it, showing it and
// reporting a failed display.
#include "program/memory_settings_store.h"
#include "interactive/help_routine.h"
#include "support/recording_notifier.h"
#include "support/temp_folder.h"
#include "tests/interactive/form_doubles.h"

#include <gtest/gtest.h>

namespace tessara::testing {
namespace {

class Help : public ::testing::Test {
protected:
    HelpRoutine routine() const { return HelpRoutine(folder.file("tessara"), ini, folder.path().string()); }
    void help(HelpRoutine& h) { h.OnHelp(notifier, files, viewer, ini); }

    TempFolder folder;
    MemorySettingsStore ini;
    RecordingNotifier notifier;
    ScriptedFileChooser files;
    ScriptedHelpViewer viewer;
};

TEST_F(Help, ExistingFileIsShownAndAFailedDisplayReportedAndLookedForAgain)
{
    const std::string page = folder.file("tessara_help.html");
    writeFile(page, "<html></html>");
    ini.writeString("Settings", "HelpFile", "tessara_help.html");
    HelpRoutine h = routine();
    help(h);
    EXPECT_TRUE(viewer.shown == std::vector<std::string>{page} && viewer.topics == std::vector<int>{128});

    viewer.succeeds = false;
    viewer.error = "The help file could not be opened.";
    help(h);
    EXPECT_EQ(notifier.messages, std::vector<std::string>{"The help file could not be opened.\n" + page});
    notifier.reply = false;
    help(h);
    // Asked although the file exists, and declined: not shown.
    EXPECT_TRUE(!h.helpFileFound() && notifier.asked.size() == 1u && viewer.shown.size() == 2u);

    // A viewer that cannot say why reports nothing.
    HelpRoutine quiet = routine();
    viewer.error.reset();
    help(quiet);
    EXPECT_TRUE(notifier.shown.size() == 1u && quiet.helpFileFound());
}

TEST_F(Help, MissingFileIsOfferedToBeLookedFor)
{
    struct Case { const char* name; bool reply; std::optional<ChosenFile> chosen; bool shown; };
    const Case cases[] = {
        {"declined", false, std::nullopt, false},
        {"dialog cancelled", true, std::nullopt, false},
        {"file chosen", true, ChosenFile{"/opt/help/page.html", false}, true},
    };
    const std::string expected = folder.file("tessara.chm");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        notifier = RecordingNotifier{};
        notifier.reply = c.reply;
        files.answers = {c.chosen};
        HelpRoutine h = routine();
        help(h);
        EXPECT_EQ(notifier.messages, std::vector<std::string>{"Cannot find the help file " + expected +
                                                              "\nDo you want to try to find this file yourself?"});
        EXPECT_TRUE(!viewer.shown.empty() == c.shown && h.helpFileFound() == c.shown &&
                    ini.value("Settings", "HelpFile").has_value() == c.shown);
        if (c.shown) {
            EXPECT_EQ(h.helpPath() + "|" + files.openRequests.back().initialPath, "/opt/help/page.html|" + expected);
        }
    }
}

TEST(HelpIni, TheProgramFoldersOwnComesFirst)
{
    TempFolder folder;
    const std::string own = folder.file("own.ini");
    const std::string installed = folder.file("installed.ini");
    EXPECT_EQ(helpIniPath(own, installed), own);  // neither exists: where it will be written
    writeFile(installed, "[Settings]\n");
    EXPECT_EQ(helpIniPath(own, installed), installed);
    writeFile(own, "[Settings]\n");
    EXPECT_EQ(helpIniPath(own, installed), own);
}

}  // namespace
}  // namespace tessara::testing
