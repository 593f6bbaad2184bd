// The main window around the form: menus and their prompts, commands that
// other parts provide, the keyboard commands, help, the about box, the font
// size, and the program's file dialog.
#include "app/dialogs/file_dialog_ex.h"
#include "interactive/help_routine.h"
#include "app/shell/qt_services.h"
#include "program/memory_settings_store.h"
#include "tests/ui/mainprog/frame_harness.h"
#include "tests/ui/mainprog/test_classes.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>

namespace tessara::testing {

class ShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<FrameHarness> h_;

    QStringList captions(const QMenu& menu) const
    {
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }

private slots:
    void init()
    {
        QSettings().clear();
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        h_ = std::make_unique<FrameHarness>(QFile::encodeName(folder_->path()).toStdString());
    }

    void cleanup()
    {
        h_.reset();
        folder_.reset();
    }

    void menuBarAsTheCommandTableHasIt()
    {
        CMainFrame& frame = h_->start();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Tessara"));
        QStringList menus;
        for (const QAction* menu : frame.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&ITRF Options", "&GDA94 Options",
                                     "ITRF &Parameters", "&Ellipsoid", "&View", "&Help"}));
        const QList<QAction*> top = frame.menuBar()->actions();
        QCOMPARE(captions(*top[0]->menu()),
                 (QStringList{"&Transform file...", "&Log file...", "&View log file",
                              "View &message file", "-", "E&xit"}));
        QCOMPARE(captions(*top[4]->menu()),
                 (QStringList{"GRS80", "-", "&View ..", "&Import ..", "&New .."}));

        struct Prompt {
            MenuCommand command;
            const char* text;
        };
        const Prompt prompts[] = {
            {MenuCommand::TransformFile, "Transform file of points"},
            {MenuCommand::ViewMessageFile, ""},
            {MenuCommand::ItrfGeographic, "Set input format to Geographicals"},
            {MenuCommand::GdaPrecision, "Select options for display of output precision"},
            {MenuCommand::ItrfPrecision, "Set options for display of output precision"},
            {MenuCommand::ModifyList, "Remove or restore sets of parameters to the list"},
            {MenuCommand::FontSize, ""},
            {MenuCommand::About, "Display program information, version number and copyright"},
        };
        for (const Prompt& p : prompts)
            QCOMPARE(frame.action(p.command)->statusTip(), QString::fromLatin1(p.text));
        QCOMPARE(frame.statusText(), QStringLiteral("For Help, press F1"));
    }

    void providedCommandRunsItsHandler()
    {
        CMainFrame& frame = h_->start();
        int runs = 0;
        frame.provideCommand(MenuCommand::TransformFile, [&runs] { ++runs; });
        QVERIFY(frame.action(MenuCommand::TransformFile)->isEnabled());
        frame.action(MenuCommand::TransformFile)->trigger();
        QCOMPARE(runs, 1);
    }

    void menuChecksFollowTheForm()
    {
        CMainFrame& frame = h_->startShown();
        QVERIFY(frame.action(MenuCommand::ItrfCartesian)->isChecked());
        QVERIFY(frame.action(MenuCommand::EpochDayMonthYear)->isChecked());
        frame.action(MenuCommand::ItrfGeographic)->trigger();
        frame.action(MenuCommand::EpochDecimalYear)->trigger();
        QVERIFY(!frame.action(MenuCommand::ItrfCartesian)->isChecked());
        QVERIFY(frame.action(MenuCommand::ItrfGeographic)->isChecked());
        QVERIFY(h_->child<QRadioButton>("itrfTypeGeographic")->isChecked());
        QVERIFY(h_->child<QRadioButton>("itrfEpochDecimalYear")->isChecked());
        QVERIFY(!frame.action(MenuCommand::EpochDayMonthYear)->isChecked());
        QVERIFY(frame.menus()->ellipsoidMenu()->actions().at(0)->isChecked());  // GRS80
    }

    void keyboardCommands()
    {
        CMainFrame& frame = h_->startShown();
        h_->click("gdaDirection");
        QTest::keyClick(&frame, Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(h_->text("gdaX"), QStringLiteral("-4052052.048"));
        QVERIFY(h_->text("itrfX").isEmpty());

        ScriptedHelpViewer viewer;
        MemorySettingsStore ini;
        HelpRoutine help(h_->paths().programPath, ini, h_->paths().programFolder);
        frame.setHelp(help, viewer, ini);
        h_->notifier.reply = false;
        QTest::keyClick(&frame, Qt::Key_F1);
        QTest::keyClick(&frame, Qt::Key_F1, Qt::ShiftModifier);
        frame.action(MenuCommand::HelpTopics)->trigger();
        QCOMPARE(h_->notifier.asked.size(), std::size_t{3});
        QCOMPARE(h_->notifier.asked[0].caption, std::string("Windows Help"));
        QVERIFY(viewer.shown.empty());
    }

    void exitClosesTheWindow()
    {
        CMainFrame& frame = h_->startShown();
        h_->click("exit");
        QVERIFY(!frame.isVisible());
    }

    void aboutBoxShowsTheVersion()
    {
        CMainFrame& frame = h_->startShown();
        OnNextModal answer([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("About Tessara"));
            QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("versionLine"))->text(),
                     QStringLiteral("Version 1.0.0.0"));
            acceptDialog(dialog);
        });
        frame.action(MenuCommand::About)->trigger();
        QVERIFY(answer.acted());
    }

    void largeFontReachesTheNextDialogNotTheForm()
    {
        CMainFrame& frame = h_->startShown();
        {
            OnNextModal answer([](QWidget& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("Set font size"));
                QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("fontSize8"))->isChecked());
                dialog.findChild<QRadioButton*>(QStringLiteral("fontSize12"))->click();
                acceptDialog(dialog);
            });
            frame.action(MenuCommand::FontSize)->trigger();
            QVERIFY(answer.acted());
        }
        QCOMPARE(h_->form().fontSize(), 12);
        QCOMPARE(h_->view().font().pointSize(), 8);
        int dialogPoints = 0;
        {
            OnNextModal answer([&dialogPoints](QWidget& dialog) {
                dialogPoints = dialog.font().pointSize();
                rejectDialog(dialog);
            });
            frame.action(MenuCommand::LogFileOptions)->trigger();
            QVERIFY(answer.acted());
        }
        QCOMPARE(dialogPoints, 12);
    }

    // Appending to an existing file keeps it: the dialog asks no replace question.
    void saveDialogCarriesTheAppendBox()
    {
        h_->startShown();
        QFile existing(QString::fromStdString(h_->paths().programFolder + "/kept.log"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QtFileChooser chooser;
        SaveFileRequest request;
        request.title = "Select message file";
        request.filter = "Log files (*.log)|*.log||";
        request.defaultExtension = "log";
        request.initialPath = h_->paths().programFolder + "/tessara_msg.log";
        request.append = false;
        OnNextModal answer([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Select message file"));
            auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("appendToExistingFile"));
            QVERIFY(box != nullptr);
            QCOMPARE(box->text(), QStringLiteral("Append to existing file"));
            QVERIFY(!box->isChecked());
            box->setChecked(true);
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("kept"));
            // A question would stop the accept: answer it No and give up.
            auto* question = new OnNextModal(
                [&dialog](QWidget& asked) {
                    rejectDialog(asked);
                    QTimer::singleShot(0, &dialog, [&dialog] { rejectDialog(dialog); });
                },
                &dialog, 1000);
            question->setParent(&dialog);
            acceptDialog(dialog);
        });
        const std::optional<ChosenFile> chosen = chooser.chooseSaveFile(request);
        QVERIFY(answer.acted());
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->path, h_->paths().programFolder + "/kept.log");
        QVERIFY(chosen->append);
    }

    void systemFiltersBecomeQtFilters()
    {
        QCOMPARE(qtNameFilters("Tessara Output files (*.log)|*.log|All files (*.*)|*.*||"),
                 (QStringList{"Tessara Output files (*.log)", "All files (*.*)"}));
        // Patterns without parentheses get them.
        QCOMPARE(qtNameFilters("Help files|*.html;*.htm||"),
                 QStringList{"Help files (*.html *.htm)"});
    }
};

QObject& shellTest()
{
    static ShellTest test;
    return test;
}

}  // namespace tessara::testing

#include "shell_test.moc"
