// The log and message files around the form, and the settings that one
// run leaves for the next.
#include "tests/interactive/form_fixture.h"

#include <cstring>
#include <filesystem>

namespace tessara::testing {
namespace {

using LogFile = FormFixture;
using Messages = FormFixture;
using Restart = FormFixture;

// A start empties the log (its header is nine lines), once per run; the
// options are stored at once and used from the next start, which here
// continues the log, and then prompts for it.
TEST_F(LogFile, OptionsTakeEffectAtTheNextStartWhichKeepsEmptiesOrPromptsForTheLog)
{
    typeSamplePoint(startShown()).Compute();
    InteractiveForm& f = startShown();
    f.StartLogFile();
    EXPECT_EQ(logLines(), 9u);
    const std::string next = folder.file("next.log");
    dialogs.logOptions.answer = LogOptions{next, false, true};
    f.LogFileOptions();
    EXPECT_EQ(dialogs.logOptions.requests.at(0).logFile, logPath());
    EXPECT_EQ(joined({*store.value(kInteractiveSection, "LogfileName"),
                      *store.value(kInteractiveSection, "LogfileAppend")}), next + "|Yes|");
    typeSamplePoint(f).Compute();
    EXPECT_TRUE(logLines() == 10u && !std::filesystem::exists(next));
    typeSamplePoint(startShown()).Compute();
    EXPECT_EQ(startShown().log().currentLogFile(), next);
    EXPECT_EQ(fileLines(next).size(), 19u);

    // A bare name is a file of the program folder; Cancel changes nothing.
    const std::string bare = folder.file("bare.log");
    dialogs.logOptions.answer = LogOptions{"bare.log", true, false};
    form->LogFileOptions();
    dialogs.logOptions.answer.reset();
    form->LogFileOptions();
    EXPECT_TRUE(form->settings().interactive.logfileName == bare && form->settings().interactive.logfilePrompt);

    // Prompted, Cancel keeps the configured log; a continued log may be
    // named although it exists. The run's choice is not the setting.
    const std::string chosen = folder.file("chosen.log");
    for (const bool append : {false, true}) {
        SCOPED_TRACE(append);
        if (append) {
            dialogs.logOptions.answer = LogOptions{bare, true, true};
            form->LogFileOptions();
            files.answers.push_back(ChosenFile{chosen, false});
        }
        InteractiveForm& prompted = startShown();
        ASSERT_EQ(files.saveRequests.size(), append ? 2u : 1u);
        const SaveFileRequest& asked = files.saveRequests.back();
        EXPECT_TRUE(asked.initialPath == bare && asked.confirmOverwrite == !append && !asked.append);
        const std::string written = append ? chosen : bare;
        EXPECT_TRUE(prompted.log().currentLogFile() == written && fileLines(written).size() == 9u);
        EXPECT_EQ(prompted.settings().interactive.logfileName, bare);
    }
}

TEST_F(LogFile, DeletedDuringTheRunReportsTheNextRecordAndTheViewersReportErrors)
{
    InteractiveForm& f = startShown();
    std::filesystem::remove(logPath());
    typeSamplePoint(f).Compute();
    EXPECT_EQ(notifier.messages, std::vector<std::string>{"Error opening log file\n\n" + std::string(std::strerror(ENOENT))});
    // Not made again, and the result is shown all the same.
    EXPECT_TRUE(!std::filesystem::exists(logPath()) && !f.texts().gda.x.empty());

    // The viewers report a missing file or a failed start.
    writeFile(logPath(), "");
    notifier.messages.clear();
    f.ViewMessageFile();
    f.ViewLogFile();
    opener.viewerResult = StartResult::AccessDenied;
    f.ViewLogFile();
    EXPECT_EQ(notifier.messages,
              (std::vector<std::string>{"Error - message file not found\n\n" + folder.file("tessara_msg.log"),
                                        "Error - could not load 'xdg-open' to display the output file\n\n" +
                                            logPath() + "\n\nThe operating system denied access to the specified file."}));
    EXPECT_EQ(opener.viewed, (std::vector<std::string>{logPath(), logPath()}));
}

TEST_F(Messages, SaveAppendsOrReplacesAsTheBoxSaysFileNamesOpenAndClearEmpties)
{
    InteractiveForm& f = start();
    const std::string target = folder.file("saved.log");
    writeFile(target, "old\r\n");
    f.AppendMessage("Line  3");
    f.AppendMessage("Output - /tmp/out.txt");

    files.answers.push_back(ChosenFile{target, true});
    f.SaveMessages();
    const SaveFileRequest& first = files.saveRequests.at(0);
    EXPECT_TRUE(first.initialPath == folder.file("tessara_msg.log") && first.append == std::optional<bool>(true));
    EXPECT_EQ(readFile(target), "old\r\nLine  3\r\nOutput - /tmp/out.txt\r\n");

    files.answers.push_back(ChosenFile{target, false});
    f.SaveMessages();
    EXPECT_EQ(readFile(target), "Line  3\r\nOutput - /tmp/out.txt\r\n");
    // The box starts as the user left it, and the dialog at the last file.
    f.SaveMessages();
    EXPECT_TRUE(files.saveRequests.back().append == std::optional<bool>(false) &&
                files.saveRequests.back().initialPath == target);

    // A file that cannot be written is reported, and the list kept.
    const std::string gone = folder.file("no-such-folder/m.log");
    files.answers.push_back(ChosenFile{gone, false});
    f.SaveMessages();
    EXPECT_TRUE(notifier.messages == std::vector<std::string>{gone + ": " + std::strerror(ENOENT)} &&
                f.messages().size() == 2u);

    // Only the file names in the list open; Clear resets the status line.
    f.AppendMessage("Input - /data/in.txt");
    for (int line = -1; line <= 3; ++line)
        f.OpenFileFromMessage(line);
    EXPECT_EQ(opener.opened, (std::vector<std::string>{"/tmp/out.txt", "/data/in.txt"}));
    status.texts.clear();
    f.ClearMessages();
    EXPECT_TRUE(f.messages().empty() && status.texts == std::vector<std::string>{""});
}

TEST_F(Restart, TheNextRunReadsWhatThisOneStoredAndFindsTheSavedSets)
{
    InteractiveForm& first = start();
    first.SetDirection(false);
    first.SelectParameterSet(first.parameterList().findIgnoringCase("ITRF96"));
    first.parameterStore().setDisplayed("ITRF97", false);

    InteractiveForm& second = start();  // the first run ends
    EXPECT_FALSE(second.itrfToGda());
    EXPECT_EQ(second.parameterList().selectedName(), "ITRF96");
    EXPECT_EQ(second.parameterList().names(), (std::vector<std::string>{"ITRF2000", "ITRF2000(IGS)", "ITRF96"}));
    form.reset();

    // Saved set names are found ignoring case, or fall back to the first.
    struct Case { const char* saved; const char* selected; const char* savedAfter; };
    const Case cases[] = {{"ITRF96", "ITRF96", "ITRF96"},
                          {"itrf2000(igs)", "ITRF2000(IGS)", "itrf2000(igs)"},
                          {"ITRF2014", "ITRF2000", "ITRF2000"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        store.writeString(kItrfToGdaSection, "ITRFParameters", c.saved);
        store.writeString(kGdaToItrfSection, "ITRFParameters", c.saved);
        InteractiveForm& f = start();
        EXPECT_EQ(joined({f.parameterList().selectedName(), f.hiddenParameterList().selectedName(),
                          f.settings().itrfToGda.parameterSetName}),
                  joined({c.selected, c.selected, c.savedAfter}));
        form.reset();  // no save between the cases
    }
}

}  // namespace
}  // namespace tessara::testing
