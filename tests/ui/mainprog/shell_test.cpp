// The main window around the form: provided commands, menu checks, the
// keyboard commands, the font size, and the program's save dialog.
#include "app/dialogs/file_dialog_ex.h"
#include "app/shell/qt_services.h"
#include "interactive/help_routine.h"
#include "program/memory_settings_store.h"
#include "tests/ui/mainprog/frame_harness.h"

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>

namespace tessara::testing {

class ShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<FrameHarness> h_;

private slots:
    void init()
    {
        QSettings(QStringLiteral("Kalmora"), QStringLiteral("Tessara")).clear();
        folder_ = std::make_unique<QTemporaryDir>();
        h_ = std::make_unique<FrameHarness>(QFile::encodeName(folder_->path()).toStdString());
    }

    void cleanup()
    {
        h_.reset();
        folder_.reset();
    }

    void commandsAndKeys()
    {
        CMainFrame& frame = h_->startShown();
        int runs = 0;
        frame.provideCommand(MenuCommand::TransformFile, [&runs] { ++runs; });
        frame.action(MenuCommand::TransformFile)->trigger();
        QCOMPARE(runs, 1);

        // The menu checks and the form's buttons follow each other.
        QVERIFY(frame.action(MenuCommand::ItrfCartesian)->isChecked());
        frame.action(MenuCommand::ItrfGeographic)->trigger();
        frame.action(MenuCommand::EpochDecimalYear)->trigger();
        QVERIFY(!frame.action(MenuCommand::ItrfCartesian)->isChecked());
        QVERIFY(!frame.action(MenuCommand::EpochDayMonthYear)->isChecked());
        QVERIFY(h_->child<QRadioButton>("itrfTypeGeographic")->isChecked());
        QVERIFY(h_->child<QRadioButton>("itrfEpochDecimalYear")->isChecked());
        QVERIFY(frame.menus()->ellipsoidMenu()->actions().at(0)->isChecked());  // GRS80

        // The menus as the user reads them: captions in order, "-" for a
        // separator, "*" for an item that takes a check mark.
        QStringList bar;
        for (QAction* top : frame.menuBar()->actions()) {
            QStringList items{top->text()};
            for (QAction* item : top->menu()->actions())
                items << (item->isSeparator() ? QStringLiteral("-")
                                              : item->text() + (item->isCheckable() ? "*" : ""));
            bar << items.join(QLatin1Char('|'));
        }
        const QStringList expected{
            "&File|&Transform file...|&Log file...|&View log file|View &message file|-|E&xit",
            "&ITRF Options|Cartesian (XYZ)*|Latitude/Longitude/Ht*|-|Epoch - day/month/year*|"
            "Epoch - decimal year*|-|Coordinate &Format...|Coordinate &Precision...",
            "&GDA94 Options|Cartesian (XYZ)*|Latitude/Longitude/Ht*|-|Coordinate F&ormat...|"
            "Coordinate P&recision...",
            "ITRF &Parameters|&View ...|&Import ...|&Export ...|&Modify list ...",
            "&Ellipsoid|GRS80*|-|&View ..|&Import ..|&New ..",
            "&View|Font Size ...",
            "&Help|&Help Topics|&About Tessara...",
        };
        QCOMPARE(bar, expected);

        // Ctrl+F1 fills the input half; F1, Shift+F1 and the menu ask for help.
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
        QVERIFY(viewer.shown.empty());

        h_->click("exit");
        QVERIFY(!frame.isVisible());
    }

    // A larger font reaches the next dialog, not the form of this run.
    void largeFontReachesTheNextDialog()
    {
        CMainFrame& frame = h_->startShown();
        OnNextModal font([](QDialog& dialog) {
            QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("fontSize8"))->isChecked());
            dialog.findChild<QRadioButton*>(QStringLiteral("fontSize12"))->click();
            dialog.accept();
        });
        frame.action(MenuCommand::FontSize)->trigger();
        QVERIFY(font.acted());
        QCOMPARE(h_->form().fontSize(), 12);
        QCOMPARE(h_->view().font().pointSize(), 8);
        int dialogPoints = 0;
        OnNextModal log([&dialogPoints](QDialog& dialog) {
            dialogPoints = dialog.font().pointSize();
            dialog.reject();
        });
        frame.action(MenuCommand::LogFileOptions)->trigger();
        QVERIFY(log.acted());
        QCOMPARE(dialogPoints, 12);
    }

    // Appending to an existing file keeps it: the dialog asks no replace
    // question. The system's filters become Qt's.
    void saveDialogWithTheAppendBox()
    {
        QCOMPARE(qtNameFilters("Out files (*.log)|*.log|Help files|*.html;*.htm||"),
                 (QStringList{"Out files (*.log)", "Help files (*.html *.htm)"}));
        h_->startShown();
        const std::string folder = QFile::encodeName(folder_->path()).toStdString();
        QFile existing(folder_->filePath(QStringLiteral("kept.log")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        QtFileChooser chooser;
        SaveFileRequest request;
        request.title = "Select message file";
        request.filter = "Log files (*.log)|*.log||";
        request.defaultExtension = "log";
        request.initialPath = folder + "/tessara_msg.log";
        request.append = false;
        OnNextModal answer([](QDialog& dialog) {
            auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("appendToExistingFile"));
            QVERIFY2(box != nullptr && !box->isChecked(), dialog.metaObject()->className());
            box->setChecked(true);
            dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("kept"));
            // A question would stop the accept: answer it No and give up.
            auto* question = new OnNextModal(
                [&dialog](QDialog& asked) {
                    asked.reject();
                    QTimer::singleShot(0, &dialog, [&dialog] { dialog.reject(); });
                },
                &dialog, 1000);
            question->setParent(&dialog);
            dialog.accept();
        });
        const std::optional<ChosenFile> chosen = chooser.chooseSaveFile(request);
        QVERIFY(answer.acted() && chosen.has_value());
        QCOMPARE(chosen->path, folder + "/kept.log");
        QVERIFY(chosen->append);
    }
};

QObject* makeShellTest() { return new ShellTest; }

}  // namespace tessara::testing

#include "shell_test.moc"
