#pragma once

#include "program/memory_settings_store.h"
#include "program/program_paths.h"
#include "interactive/interactive_form.h"
#include "support/recording_notifier.h"
#include "tests/interactive/form_doubles.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace tessara::testing {

// Several texts as one, so that one comparison shows every difference.
inline std::string joined(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += part + "|";
    return text;
}

// One program folder and one settings store, over which forms are started
// as the program would start them, one run after another.
class FormFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.valid()); }

    // A new run over the same folder and store; the previous form ends first.
    InteractiveForm& start()
    {
        if (form)
            form->Finish();
        form.reset();
        const StartupPaths paths = makeStartupPaths(folder.file("tessara"), folder.path());
        form = std::make_unique<InteractiveForm>(
            paths, FormServices{store, notifier, files, opener, dialogs, status});
        form->StartUp();
        return *form;
    }

    // Started with the log written, as on the first drawing of the form.
    InteractiveForm& startShown()
    {
        start();
        form->StartLogFile();
        return *form;
    }

    std::string logPath() const { return folder.file("tessara.log"); }

    // The sample point in the input half with the epoch as a decimal year.
    void typeSamplePoint()
    {
        form->SetEpochNotation(EpochMode::DecimalYear);
        form->SamplePoint();
    }

    ScratchFolder folder;
    MemorySettingsStore store;
    RecordingNotifier notifier;
    ScriptedFileChooser files;
    RecordingOpener opener;
    ScriptedDialogs dialogs;
    RecordingStatusLine status;
    std::unique_ptr<InteractiveForm> form;
};

}  // namespace tessara::testing
