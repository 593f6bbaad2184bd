#pragma once

// A main window over a temporary program folder and the test's settings
// store, with recorders in place of message boxes, file dialogs and the
// desktop opener. The option dialogs are the real ones.
#include "program/program_paths.h"
#include "app/shell/main_frame.h"
#include "widgets/qsettings_store.h"
#include "interactive/ui/tessara_view.h"
#include "support/recording_notifier.h"
#include "tests/interactive/form_doubles.h"
#include "tests/ui/test_environment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

namespace tessara::testing {

class FrameHarness {
public:
    explicit FrameHarness(const std::string& programFolder)
        : paths_(makeStartupPaths(programFolder + "/tessara", programFolder))
    {
    }

    // A new program run: the previous window (and its form) ends first.
    CMainFrame& start()
    {
        frame.reset();
        store = std::make_unique<QSettingsStore>();
        frame = std::make_unique<CMainFrame>(paths_, QStringLiteral("Version 1.0.0.0"),
                                             ShellServices{*store, notifier, files, opener});
        return *frame;
    }

    // Started and shown, with the log started as on first drawing.
    CMainFrame& startShown()
    {
        start();
        frame->show();
        logStarted = QTest::qWaitFor([this] { return view().form().log().started(); }, 5000);
        return *frame;
    }

    void end()
    {
        frame.reset();
        store.reset();
    }

    CTessaraView& view() { return *frame->view(); }
    InteractiveForm& form() { return frame->view()->form(); }

    template <typename T = QWidget>
    T* child(const char* name)
    {
        return frame->findChild<T*>(QLatin1String(name));
    }
    QString text(const char* name) { return child<QLineEdit>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }

    const StartupPaths& paths() const { return paths_; }

    std::unique_ptr<QSettingsStore> store;
    RecordingNotifier notifier;
    ScriptedFileChooser files;
    RecordingOpener opener;
    std::unique_ptr<CMainFrame> frame;
    bool logStarted = false;

private:
    StartupPaths paths_;
};

}  // namespace tessara::testing
