// Saves pictures of the main window (both directions, small and large
// font, after the sample point, Compute and two file runs; at its own first
// size, at the size of the whole screen, and with a message box over it)
// and of every dialog, for a person to look at:
//   tessara_mainprog_screenshots OUTPUT_FOLDER HELP_PAGE [dark]
// Run it under a display server (xcb) of the screen size wanted to see the
// desktop's own rendering; "dark" takes the pictures in a dark palette.
#include "app/dialogs/about_dialog.h"
#include "app/dialogs/file_dialog_ex.h"
#include "app/dialogs/font_size_dialog.h"
#include "app/shell/help_window.h"
#include "app/shell/qt_services.h"
#include "interactive/dialogs/log_options_dialog.h"
#include "interactive/ui/message_panel.h"
#include "tests/ui/mainprog/frame_harness.h"
#include "tests/ui/test_environment.h"
#include "tools/screenshots/screenshot_look.h"
#include "widgets/dialog_font.h"
#include "values/dialogs/format_dialog.h"
#include "values/dialogs/precision_dialog.h"

#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>

#include <cstdio>

using namespace tessara;
using namespace tessara::testing;

namespace {

QString outFolder;

void savePicture(const QPixmap& picture, const QString& name)
{
    const QString path = outFolder + QStringLiteral("/tessara-") + name + QStringLiteral(".png");
    if (!picture.save(path))
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
}

void save(QWidget& widget, const QString& name)
{
    widget.show();
    QTest::qWait(200);
    savePicture(widget.grab(), name);
    widget.hide();
}

// Two file runs as the message list shows them, the second with errors.
void twoFileRuns(InteractiveForm& f)
{
    for (const char* line :
         {"Input - /home/surveyor/day1.txt", "Transformed 7 lines (0 errors)",
          "Output - /home/surveyor/day1_gda94.txt", "************",
          "Input - /home/surveyor/day2.txt", "Line  4", "Height must be in range -100 to +5000",
          "Line  7", "Latitude value (-33.78x) invalid", "Transformed 8 lines (2 errors)",
          "Output - /home/surveyor/day2_gda94.txt", "************"})
        f.AppendMessage(line);
    f.ShowMessages();
}

void mainWindows(const std::string& folder)
{
    FrameHarness harness(folder);
    for (const int font : {8, 12}) {
        for (const bool itrfToGda : {true, false}) {
            harness.start();
            harness.form().setFontSize(font);
            harness.form().setWindowSize(-1, -1);  // the window's own size first
            harness.end();  // the font applies from the next start
            CMainFrame& frame = harness.startShown();
            frame.move(0, 0);
            harness.view().runWithLayout([itrfToGda](InteractiveForm& f) {
                f.SetDirection(itrfToGda);
                f.SetEpochNotation(EpochMode::DecimalYear);
                f.SamplePoint();
                f.texts().half(itrfToGda ? Half::Itrf : Half::Gda).identifier = "ALICE";
                f.Compute();
                twoFileRuns(f);
            });
            const QString name = QStringLiteral("main-%1-%2")
                                     .arg(itrfToGda ? QStringLiteral("itrf-to-gda")
                                                    : QStringLiteral("gda-to-itrf"))
                                     .arg(font);
            save(frame, name);
            // The whole screen: the extra room goes to the message list.
            frame.resize(frame.screen()->availableGeometry().size() - QSize(16, 40));
            save(frame, name + QStringLiteral("-screen"));
        }
    }
    // Geographic input with messages listed.
    CMainFrame& frame = harness.startShown();
    harness.view().runWithLayout([](InteractiveForm& f) {
        f.SetDirection(true);
        f.SetInputType(Half::Itrf, InputType::Geographic);
        f.SamplePoint();
        f.texts().itrf.latitude.minutes = "61";
        f.LiveValidation();
        f.AppendMessage("Output - /home/surveyor/points_gda94.txt");
    });
    save(frame, QStringLiteral("main-messages"));

    // A set whose checksum failed: computed and shown, not logged.
    harness.view().runWithLayout([](InteractiveForm& f) {
        ParameterSet damaged = *f.parameterStore().find("ITRF97");
        damaged.name = "ITRF2005 (damaged)";
        damaged.valid = false;
        f.parameterStore().store(damaged);
        f.RefillParameterList();
        f.SelectParameterSet(f.parameterList().findIgnoringCase("ITRF2005 (damaged)"));
        f.SetInputType(Half::Itrf, InputType::Cartesian);
        f.SamplePoint();
        f.Compute();
    });
    save(frame, QStringLiteral("main-not-valid"));

    // A message box over the window, as the screen shows it: centred on the
    // window, its line whole.
    frame.show();
    frame.move(0, 0);
    frame.activateWindow();
    if (!QTest::qWaitForWindowActive(&frame))
        std::fprintf(stderr, "the main window did not become active\n");
    QTimer::singleShot(500, &frame, [&frame] {
        savePicture(frame.screen()->grabWindow(0), QStringLiteral("message-box-over-window"));
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    QtNotifier notifier;
    notifier.showMessage(
        "Error - Parameters for ITRF2005 (damaged) are incorrect - checksum does not match");
    frame.hide();
}

void dialogs(const QString& helpPage)
{
    RecordingNotifier notifier;
    ScriptedFileChooser files;
    for (const int font : {8, 12}) {
        const QString size = QString::number(font);
        CFormatDialog format(notifier);
        useDialogFont(format, font);
        format.setValue({true, AngleNotation::Dd, AngleNotation::Dms, true});
        save(format, QStringLiteral("format-") + size);
        CPrecisionDialog precision;
        useDialogFont(precision, font);
        precision.setValue({false, OutputPrecision{}});
        save(precision, QStringLiteral("precision-") + size);
        CLogFileOptionsDialog log(files);
        useDialogFont(log, font);
        log.setValue({"/home/surveyor/tessara.log", false, true});
        save(log, QStringLiteral("log-options-") + size);
        CFontSizeDialog fontSize;
        useDialogFont(fontSize, font);
        fontSize.setValue(font);
        save(fontSize, QStringLiteral("font-size-") + size);
    }
    CAboutDialog about(QStringLiteral("Version 1.0.0.0"));
    save(about, QStringLiteral("about"));
    const QTemporaryDir folder;
    for (const char* name : {"tessara.log", "tessara_msg.log", "survey_day1.log"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        file.open(QIODevice::WriteOnly);
    }
    CFileDialogEx saveDialog(CFileDialogEx::Mode::Save, QStringLiteral("log"),
                             folder.filePath(QStringLiteral("tessara_msg.log")),
                             "Log files (*.log)|*.log||");
    saveDialog.setWindowTitle(QStringLiteral("Select message file"));
    saveDialog.showAppendOption(true);
    save(saveDialog, QStringLiteral("save-messages"));
    CHelpWindow help;
    help.showPage(helpPage);
    save(help, QStringLiteral("help"));
}

}  // namespace

int main(int argc, char** argv)
{
    const QTemporaryDir home;
    if (argc < 3 || !prepareTestEnvironment(home))
        return 2;
    QApplication app(argc, argv);
    screenshots::useLook(argc > 3 && QByteArray(argv[3]) == "dark");
    outFolder = QString::fromLocal8Bit(argv[1]);
    const QString helpPage = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outFolder);
    const QTemporaryDir program;
    mainWindows(QFile::encodeName(program.path()).toStdString());
    dialogs(helpPage);
    return 0;
}
