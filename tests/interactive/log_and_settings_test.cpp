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

TEST_F(LogFile, AppendDecidesWhetherASecondStartKeepsTheFirstRun)
{
    for (const bool append : {false, true}) {
        SCOPED_TRACE(append);
        form.reset();  // the previous case's run would save its own choices
        std::filesystem::remove(logPath());
        store.writeString(kInteractiveSection, "LogfileAppend", append ? "Yes" : "No");
        typeSamplePoint(startShown()).Compute();
        startShown().StartLogFile();  // started once per run
        EXPECT_EQ(logLines(), append ? 19u : 9u);  // a header of nine lines per run, one record
    }
}

TEST_F(LogFile, PromptChoosesTheRunsLogAndCancelKeepsTheConfiguredOne)
{
    struct Case { const char* name; bool append; bool chosen; };
    const Case cases[] = {{"chosen, fresh", false, true}, {"chosen, continued", true, true},
                          {"cancelled", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string chosenPath = folder.file(std::string(c.name) + ".log");
        form.reset();
        store.writeString(kInteractiveSection, "LogfilePrompt", "Yes");
        store.writeString(kInteractiveSection, "LogfileAppend", c.append ? "Yes" : "No");
        std::filesystem::remove(logPath());
        files.saveRequests.clear();
        if (c.chosen)
            files.answers.push_back(ChosenFile{chosenPath, false});
        InteractiveForm& f = startShown();

        ASSERT_EQ(files.saveRequests.size(), 1u);
        const SaveFileRequest& asked = files.saveRequests[0];
        EXPECT_TRUE(asked.initialPath == logPath() && asked.confirmOverwrite == !c.append && !asked.append);
        const std::string written = c.chosen ? chosenPath : logPath();
        EXPECT_TRUE(f.log().currentLogFile() == written && fileLines(written).size() == 9u);
        EXPECT_EQ(std::filesystem::exists(logPath()), !c.chosen);
        EXPECT_EQ(f.settings().interactive.logfileName, logPath());
    }
}

TEST_F(LogFile, OptionsTakeEffectAtTheNextStart)
{
    InteractiveForm& f = startShown();
    const std::string next = folder.file("next.log");
    dialogs.logOptions.answer = LogOptions{next, false, true};
    f.LogFileOptions();
    EXPECT_EQ(dialogs.logOptions.requests.at(0).logFile, logPath());
    EXPECT_EQ(joined({*store.value(kInteractiveSection, "LogfileName"),
                      *store.value(kInteractiveSection, "LogfileAppend")}), next + "|Yes|");
    typeSamplePoint(f).Compute();
    EXPECT_TRUE(logLines() == 10u && !std::filesystem::exists(next));
    EXPECT_EQ(startShown().log().currentLogFile(), next);

    // A bare name is a file of the program folder; Cancel changes nothing.
    dialogs.logOptions.answer = LogOptions{"bare.log", true, false};
    form->LogFileOptions();
    EXPECT_EQ(form->settings().interactive.logfileName, folder.file("bare.log"));
    dialogs.logOptions.answer.reset();
    form->LogFileOptions();
    EXPECT_TRUE(form->settings().interactive.logfilePrompt);
}

TEST_F(LogFile, DeletedDuringTheRunReportsTheNextRecord)
{
    InteractiveForm& f = startShown();
    std::filesystem::remove(logPath());
    typeSamplePoint(f).Compute();
    EXPECT_EQ(notifier.messages, std::vector<std::string>{"Error opening log file\n\n" + std::string(std::strerror(ENOENT))});
    // Not made again, and the result is shown all the same.
    EXPECT_TRUE(!std::filesystem::exists(logPath()) && !f.texts().gda.x.empty());
}

TEST_F(LogFile, ViewersReportAMissingFileOrAFailedStart)
{
    InteractiveForm& f = startShown();
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

TEST_F(Messages, SaveAppendsOrReplacesAsTheBoxSaysAndReportsAFileError)
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
}

TEST_F(Messages, FileNamesInTheListOpenAndClearResetsTheStatusLine)
{
    InteractiveForm& f = start();
    f.AppendMessage("Input - /data/in.txt");
    f.AppendMessage("Line  12");
    f.AppendMessage("Output - /data/out put.txt");
    for (int line = -1; line <= 3; ++line)
        f.OpenFileFromMessage(line);
    EXPECT_EQ(opener.opened, (std::vector<std::string>{"/data/in.txt", "/data/out put.txt"}));
    status.texts.clear();
    f.ClearMessages();
    EXPECT_TRUE(f.messages().empty() && status.texts == std::vector<std::string>{""});
}

TEST_F(Restart, TheNextRunReadsWhatThisOneStored)
{
    InteractiveForm& first = start();
    first.SetDirection(false);
    first.SetInputType(Half::Gda, InputType::Geographic);
    dialogs.format.answer = FormatChoice{AngleNotation::Dmshp, AngleNotation::Dm};
    first.FormatCommand(false);
    first.SelectParameterSet(first.parameterList().findIgnoringCase("ITRF97"));
    first.SetEpochNotation(EpochMode::DecimalYear);
    first.parameterStore().setDisplayed("ITRF96", false);
    first.setWindowSize(1200, 700);
    first.setFontSize(12);

    InteractiveForm& second = start();  // the first run ends
    const DirectionSettings& gda = second.settings().gdaToItrf;
    EXPECT_TRUE(!second.itrfToGda() && gda.inputType == InputType::Geographic &&
                gda.inputNotation == AngleNotation::Dmshp && second.epochNotation() == EpochMode::DecimalYear);
    EXPECT_EQ(second.parameterList().selectedName(), "ITRF97");
    EXPECT_EQ(second.parameterList().names(), (std::vector<std::string>{"ITRF2000", "ITRF2000(IGS)", "ITRF97"}));
    EXPECT_TRUE(second.settings().window.height == 700 && second.fontSize() == 12);
}

TEST_F(Restart, SavedSetNamesAreFoundIgnoringCaseOrFallBackToTheFirst)
{
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
