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

// Shown at its topic; a failed display is reported and the file looked for
// again (here declined). The program
// folder's own ini file comes first, or the installed one if only it exists.
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
    EXPECT_TRUE(!h.helpFileFound() && notifier.asked.size() == 1u && viewer.shown.size() == 2u);

    const std::string own = folder.file("own.ini");
    const std::string chosen = helpIniPath(own, folder.file("none.ini")) + "|" + helpIniPath(own, page);
    writeFile(own, "");
    EXPECT_EQ(chosen + "|" + helpIniPath(own, page), own + "|" + page + "|" + own);
}

// Declined, the dialog cancelled, or a file chosen, which is shown and kept.
TEST_F(Help, MissingFileIsOfferedToBeLookedFor)
{
    const std::optional<ChosenFile> chosen = ChosenFile{"/opt/help/page.html", false};
    const std::string expected = folder.file("tessara.chm");
    for (const auto& [reply, answer] : {std::pair{false, chosen}, std::pair{true, std::optional<ChosenFile>()},
                                        std::pair{true, chosen}}) {
        const bool shown = reply && answer.has_value();
        SCOPED_TRACE(reply);
        notifier = RecordingNotifier{};
        notifier.reply = reply;
        files.answers = {answer};
        HelpRoutine h = routine();
        help(h);
        EXPECT_EQ(notifier.messages, std::vector<std::string>{"Cannot find the help file " + expected +
                                                              "\nDo you want to try to find this file yourself?"});
        EXPECT_TRUE(!viewer.shown.empty() == shown && h.helpFileFound() == shown &&
                    ini.value("Settings", "HelpFile").has_value() == shown);
        EXPECT_EQ(h.helpPath(), shown ? "/opt/help/page.html" : expected);
    }
    // Asked only when the user wants to look, at the missing file.
    EXPECT_TRUE(files.openRequests.size() == 2u && files.openRequests[1].initialPath == expected);
}

}  // namespace
}  // namespace tessara::testing
