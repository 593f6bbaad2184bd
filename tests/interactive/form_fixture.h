#pragma once

#include "program/memory_settings_store.h"
#include "program/program_paths.h"
#include "interactive/interactive_form.h"
#include "support/recording_notifier.h"
#include "support/temp_folder.h"
#include "tests/interactive/form_doubles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tessara::testing {

// One program folder and one settings store, over which forms are started
// as the program would start them, one run after another.
class FormFixture : public ::testing::Test {
protected:
    // A new run over the same folder and store; the previous form ends first.
    InteractiveForm& start()
    {
        if (form)
            form->Finish();
        form.reset();
        const std::string path = folder.path().string();
        form = std::make_unique<InteractiveForm>(
            makeStartupPaths(folder.file("tessara"), path),
            FormServices{store, notifier, files, opener, dialogs, status});
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
    std::size_t logLines() const { return fileLines(logPath()).size(); }

    // The sample point in the input half with the epoch as a decimal year.
    InteractiveForm& typeSamplePoint(InteractiveForm& f)
    {
        f.SetEpochNotation(EpochMode::DecimalYear);
        f.SamplePoint();
        return f;
    }
    InteractiveForm& typeSamplePoint() { return typeSamplePoint(*form); }

    TempFolder folder;
    MemorySettingsStore store;
    RecordingNotifier notifier;
    ScriptedFileChooser files;
    RecordingOpener opener;
    ScriptedDialogs dialogs;
    RecordingStatusLine status;
    std::unique_ptr<InteractiveForm> form;
};

}  // namespace tessara::testing
