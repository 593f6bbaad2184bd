// The main window through its widgets: typing, the buttons, the menus and
// the keys reach the form; the fields show what it computed; the log, the
// message list and the option dialogs follow; the settings carry to the
// next run. The commands themselves are checked in the core (Commands.*,
// Messages.*, Restart.*, FormLayout.*).
#include "app/dialogs/file_dialog_ex.h"
#include "app/dialogs/font_size_dialog.h"
#include "app/shell/qt_services.h"
#include "interactive/help_routine.h"
#include "interactive/ui/message_panel.h"
#include "program/memory_settings_store.h"
#include "tests/ui/mainprog/frame_harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>

namespace tessara::testing {

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<FrameHarness> h_;

    QLineEdit* field(const QString& name) { return h_->child<QLineEdit>(qPrintable(name)); }
    bool messagesShown() { return h_->view().messages()->isVisible(); }

    // The sample point through Ctrl+F1 (which reaches the active window
    // only), with the epoch as a decimal year.
    void typeSamplePoint()
    {
        h_->frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h_->frame.get()));
        h_->click("itrfEpochDecimalYear");
        QTest::keyClick(h_->frame.get(), Qt::Key_F1, Qt::ControlModifier);
    }

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

    // Under a decimal-comma locale the fields show and take ",", while the
    // computation sees ".".
    void typingAndTheButtons()
    {
        const FieldLocaleGuard germanFields;
        h_->startShown();
        typeSamplePoint();
        QCOMPARE(h_->text("itrfEpoch") + " " + h_->text("itrfX"), QStringLiteral("2002.0 -4052052,048"));
        QTest::keyClicks(field("itrfIdentifier"), QStringLiteral("ALIC"));
        field("itrfY")->clear();
        QTest::keyClicks(field("itrfY"), QStringLiteral("4212836,105"));
        h_->click("compute");
        QCOMPARE(h_->text("gdaIdentifier") + h_->text("gdaY"), QStringLiteral("ALIC4212836,2051"));
        QCOMPARE(h_->child<QLabel>("gdaLatitudeSide")->text(), QStringLiteral("South"));
        // The precision command pulls a stored 4 back into its field's range and recomputes.
        OnNextModal precision([](QDialog& dialog) { dialog.accept(); });
        h_->frame->action(MenuCommand::ItrfPrecision)->trigger();
        QVERIFY(precision.acted());
        QCOMPARE(h_->text("gdaX"), QStringLiteral("-4052051,765"));

        // What the field lets through but is no number is reported as typed
        // and stops the commands, without disturbing the typing.
        QLineEdit* x = field("itrfX");
        x->clear();
        QTest::keyClick(x, Qt::Key_Minus);
        QVERIFY(messagesShown());
        QCOMPARE(h_->view().messages()->list()->item(0)->text(), QStringLiteral("X value (-) invalid"));
        QVERIFY(!h_->view().computeButton()->isEnabled() && !h_->child("itrfToLatLong")->isEnabled());
        QTest::keyClicks(x, QStringLiteral("4052052,048"));
        QVERIFY(!messagesShown());
        QVERIFY(h_->view().computeButton()->isEnabled() && h_->child("itrfToLatLong")->isEnabled());
        QCOMPARE(x->cursorPosition(), 12);

        // Every output field, the identifier too, can be copied but not typed
        // into; the halves swap with the direction, the focus going to the
        // new input's X.
        h_->click("compute");
        const QString gda = h_->text("gdaX");
        h_->click("clearItrf");
        QVERIFY(h_->text("itrfX").isEmpty() && !h_->view().computeButton()->isEnabled());
        h_->frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h_->frame.get()));
        h_->click("gdaDirection");
        QCOMPARE(h_->text("gdaX"), gda);
        QVERIFY(field("gdaX")->hasFocus());
        for (const QString output : {"itrf", "gda"}) {
            h_->click(qPrintable(output + "TypeGeographic"));
            for (const char* name : {"Identifier", "X", "Z", "LatitudeDegrees", "LongitudeSeconds", "Height"})
                QVERIFY2(field(output + name)->isEnabled() && field(output + name)->isReadOnly(), name);
            QVERIFY(!field((output == "gda" ? "itrf" : "gda") + QStringLiteral("Identifier"))->isReadOnly());
            h_->click("itrfDirection");
        }

        // The format command shows the other notation's fields.
        h_->click("itrfTypeGeographic");
        typeSamplePoint();
        OnNextModal format([](QDialog& dialog) {
            const auto notations = dialog.findChild<QGroupBox*>(QStringLiteral("inputGroup"))
                                       ->findChildren<QRadioButton*>();
            QVERIFY(notations.at(0)->isChecked());
            notations.at(2)->click();  // decimal degrees
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
            dialog.accept();
        });
        h_->frame->action(MenuCommand::ItrfFormat)->trigger();
        QVERIFY(format.acted());
        QCOMPARE(h_->notifier.shown.size(), std::size_t{1});
        QCOMPARE(h_->text("itrfLatitudeSingle"), QStringLiteral("23,67011982"));
        QVERIFY(!field("itrfLatitudeSeconds")->isVisible() && field("itrfLatitudeSingle")->isVisible());
    }

    // The newest line stays in view; a file line opens the file; the list
    // is saved and cleared by its buttons.
    void messageList()
    {
        CMainFrame& frame = h_->startShown();
        QListWidget* list = h_->view().messages()->list();
        h_->view().run([](InteractiveForm& f) {
            for (int line = 0; line < 40; ++line)
                f.AppendMessage("line " + std::to_string(line));
            f.AppendMessage("Output - /data/points out.txt");
            f.ShowMessages();
        });
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(40))));
        frame.setStatusText("Click on a filename in the message box to view it");
        list->setCurrentRow(40);
        QCOMPARE(h_->opener.opened, std::vector<std::string>{"/data/points out.txt"});
        const std::string saved = h_->paths().programFolder + "/saved.log";
        h_->files.answers.push_back(ChosenFile{saved, false});
        h_->click("saveMessages");
        QVERIFY(readWholeFile(saved).ends_with("line 39\r\nOutput - /data/points out.txt\r\n"));
        h_->click("clearMessages");
        QCOMPARE(list->count(), 0);
        QCOMPARE(frame.statusText(), QStringLiteral("For Help, press F1"));
    }

    // A stored size beyond the screen is fitted; a larger font reaches the
    // next dialog, not the form of this run; what the user set comes back
    // at the next start.
    void theNextStart()
    {
        {
            QSettingsStore edited;
            edited.writeInteger(kWindowSection, "WindowWidth", 32767);
            edited.writeInteger(kWindowSection, "WindowHeight", 14288);
        }
        CMainFrame& first = h_->startShown();
        QVERIFY(first.screen()->availableGeometry().contains(first.frameGeometry()));
        QCOMPARE(h_->form().settings().window.width, first.width());
        h_->click("gdaDirection");
        h_->click("gdaTypeGeographic");
        first.resize(1200, 700);  // room for the form at 12 pt
        const QSize size = first.size();
        OnNextModal font([](QDialog& dialog) {
            QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("fontSize8"))->isChecked());
            dialog.findChild<QRadioButton*>(QStringLiteral("fontSize12"))->click();
            dialog.accept();
        });
        first.action(MenuCommand::FontSize)->trigger();
        QCOMPARE(h_->view().font().pointSize(), 8);
        // The log options: a cancelled file choice keeps the chosen name.
        const std::string log = h_->form().settings().interactive.logfileName;
        const std::string newLog = h_->paths().programFolder + "/new.log";
        h_->files.answers = {ChosenFile{newLog, false}, std::nullopt};
        QString logDialog;
        OnNextModal logOptions([&logDialog](QDialog& dialog) {
            logDialog = dialog.windowTitle() + " " + QString::number(dialog.font().pointSize());
            for (int choice = 0; choice < 2; ++choice)
                dialog.findChild<QPushButton*>(QStringLiteral("selectLogFile"))->click();
            dialog.findChild<QCheckBox*>(QStringLiteral("logAppend"))->click();
            dialog.accept();
        });
        first.action(MenuCommand::LogFileOptions)->trigger();
        QCOMPARE(logDialog, QStringLiteral("Log file options 12"));
        QCOMPARE(h_->files.saveRequests.at(0).initialPath, log);
        QCOMPARE(h_->form().settings().interactive.logfileName, newLog);
        QVERIFY(h_->form().settings().interactive.logfileAppend);
        h_->view().run([](InteractiveForm& f) {
            f.parameterStore().setDisplayed("ITRF96", false);
            f.RefillParameterList();
        });
        h_->end();

        CMainFrame& second = h_->startShown();
        QCOMPARE(second.size(), size);
        QCOMPARE(h_->view().font().pointSize(), 12);
        QVERIFY(h_->child<QPushButton>("gdaDirection")->isChecked());
        QVERIFY(h_->child<QRadioButton>("gdaTypeGeographic")->isChecked());
        QCOMPARE(h_->child<QComboBox>("itrfParameterList")->count(), 3);
    }

    void commandsAndKeys()
    {
        CMainFrame& frame = h_->startShown();
        // The menu checks and the form's buttons follow each other.
        frame.action(MenuCommand::ItrfGeographic)->trigger();
        frame.action(MenuCommand::EpochDecimalYear)->trigger();
        QVERIFY(!frame.action(MenuCommand::ItrfCartesian)->isChecked() &&
                !frame.action(MenuCommand::EpochDayMonthYear)->isChecked());
        QVERIFY(h_->child<QRadioButton>("itrfTypeGeographic")->isChecked() &&
                h_->child<QRadioButton>("itrfEpochDecimalYear")->isChecked());
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

        // F1, Shift+F1 and the menu ask for help.
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

    // Appending to an existing file keeps it: the dialog asks no replace
    // question. The system's filters become Qt's.
    void saveDialogWithTheAppendBox()
    {
        QCOMPARE(qtNameFilters("Out files (*.log)|*.log|Help files|*.html;*.htm||"),
                 (QStringList{"Out files (*.log)", "Help files (*.html *.htm)"}));
        const std::string folder = QFile::encodeName(folder_->path()).toStdString();
        QVERIFY(QFile(folder_->filePath(QStringLiteral("kept.log"))).open(QIODevice::WriteOnly));
        const SaveFileRequest request{"", "Log files (*.log)|*.log||", "log", folder + "/tessara_msg.log", true, false};
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
        const std::optional<ChosenFile> chosen = QtFileChooser().chooseSaveFile(request);
        QVERIFY(answer.acted() && chosen.has_value());
        QCOMPARE(chosen->path, folder + "/kept.log");
        QVERIFY(chosen->append);
    }
    // A stored size without its option (a hand-edited settings file)
    // selects nothing and is kept.
    void fontSizeDialog()
    {
        CFontSizeDialog dialog;
        dialog.setValue(9);
        for (const QRadioButton* option : dialog.findChildren<QRadioButton*>())
            QVERIFY(!option->isChecked());
        QCOMPARE(dialog.value(), 9);
        dialog.findChild<QRadioButton*>(QStringLiteral("fontSize12"))->click();
        QCOMPARE(dialog.value(), 12);
    }
};

QObject* makeMainWindowTest() { return new MainWindowTest; }

}  // namespace tessara::testing

#include "main_window_test.moc"
