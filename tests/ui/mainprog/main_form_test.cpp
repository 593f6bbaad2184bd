// The main form through its widgets: typing and the buttons reach the form,
// the fields show what it computed, the log and the message list follow,
// and the settings carry to the next run.
#include "interactive/ui/message_panel.h"
#include "tests/ui/mainprog/frame_harness.h"
#include "widgets/numeric_edit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>

namespace tessara::testing {

class MainFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<FrameHarness> h_;

    std::string logPath() const { return h_->paths().programFolder + "/tessara.log"; }
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

    void chooseNotation(int notation)
    {
        OnNextModal answer([notation](QDialog& dialog) {
            dialog.findChild<QGroupBox*>(QStringLiteral("inputGroup"))
                ->findChildren<QRadioButton*>().at(notation)->click();
            QCOMPARE(dialog.font().pointSize(), 8);
            dialog.accept();
        });
        h_->frame->action(MenuCommand::ItrfFormat)->trigger();
        QVERIFY(answer.acted());
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

    void typingAndTheButtons()
    {
        h_->startShown();
        QVERIFY(h_->logStarted);
        typeSamplePoint();
        QCOMPARE(h_->text("itrfEpoch"), QStringLiteral("2002.0"));
        QTest::keyClicks(field("itrfIdentifier"), QStringLiteral("ALIC"));
        h_->click("compute");
        QCOMPARE(h_->text("gdaIdentifier"), QStringLiteral("ALIC"));
        QCOMPARE(h_->text("gdaX"), QStringLiteral("-4052051.7649"));
        QCOMPARE(h_->child<QLabel>("gdaLatitudeSide")->text(), QStringLiteral("South"));
        const std::vector<std::string> log = fileLines(logPath());
        QCOMPARE(log.size(), std::size_t{10});
        QCOMPARE(log.back().substr(210, 7), std::string("|  ALIC"));
        // The precision command pulls a stored 4 back into its field's range and recomputes.
        OnNextModal precision([](QDialog& dialog) { dialog.accept(); });
        h_->frame->action(MenuCommand::ItrfPrecision)->trigger();
        QVERIFY(precision.acted());
        QCOMPARE(h_->form().settings().itrfToGda.precision.cartesian, 3);
        QCOMPARE(h_->text("gdaX"), QStringLiteral("-4052051.765"));

        // Typed text is checked at once: a letter does not get in, what the
        // field lets through but is no number is reported as typed.
        QLineEdit* x = field("itrfX");
        x->clear();
        QTest::keyClicks(x, QStringLiteral("4a"));
        QCOMPARE(x->text(), QStringLiteral("4"));
        QVERIFY(!messagesShown());
        x->clear();
        QTest::keyClick(x, Qt::Key_Minus);
        QVERIFY(messagesShown());
        QCOMPARE(h_->view().messages()->list()->item(0)->text(), QStringLiteral("X value (-) invalid"));
        QVERIFY(!h_->view().computeButton()->isEnabled() && !h_->child("itrfToLatLong")->isEnabled());
        QTest::keyClicks(x, QStringLiteral("4052052.048"));
        QVERIFY(!messagesShown());
        QVERIFY(h_->view().computeButton()->isEnabled() && h_->child("itrfToLatLong")->isEnabled());
        QCOMPARE(x->cursorPosition(), 12);  // typing was not disturbed

        // Every output field, the identifier too, can be copied but not typed
        // into, and all look alike; the halves swap with the direction and
        // the form does not move meanwhile.
        h_->click("compute");
        const QString gda = h_->text("gdaX");
        h_->click("clearItrf");
        QVERIFY(h_->text("itrfX").isEmpty() && !h_->view().computeButton()->isEnabled());
        h_->frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h_->frame.get()));
        h_->click("gdaDirection");
        QCOMPARE(h_->text("gdaX"), gda);
        QVERIFY(field("gdaX")->hasFocus());
        const QRect place = h_->child("gdaGroup")->geometry();
        for (const QString output : {"itrf", "gda"}) {
            h_->click(qPrintable(output + "TypeGeographic"));
            const QColor base = field(output + "X")->palette().color(QPalette::Base);
            for (const char* name : {"Identifier", "X", "Z", "LatitudeDegrees", "LongitudeSeconds", "Height"}) {
                QVERIFY2(field(output + name)->isEnabled() && field(output + name)->isReadOnly(), name);
                QCOMPARE(field(output + name)->palette().color(QPalette::Base), base);
            }
            QVERIFY(!field((output == "gda" ? "itrf" : "gda") + QStringLiteral("Identifier"))->isReadOnly());
            QCOMPARE(h_->child("gdaGroup")->geometry(), place);
            h_->click("itrfDirection");
        }
    }

    // The format command re-expresses the typed point without moving the form.
    void optionCommands()
    {
        h_->startShown();
        h_->click("itrfTypeGeographic");
        const QRect place = h_->child("itrfGroup")->geometry();
        chooseNotation(2);  // decimal degrees
        QCOMPARE(h_->child("itrfGroup")->geometry(), place);
        typeSamplePoint();
        QCOMPARE(h_->text("itrfLatitudeSingle"), QStringLiteral("23.67011982"));
        chooseNotation(0);  // degrees, minutes, seconds
        QCOMPARE(h_->text("itrfLatitudeSeconds"), QStringLiteral("12.43135"));
        QVERIFY(field("itrfLatitudeSeconds")->isVisible() && !field("itrfLatitudeSingle")->isVisible());
        QVERIFY(!h_->text("gdaX").isEmpty());  // the form could compute, so it did
    }

    // The newest line stays in view; a file line opens the file; the list
    // is saved and cleared by its buttons.
    void messageList()
    {
        CMainFrame& frame = h_->startShown();
        QListWidget* list = h_->view().messages()->list();
        for (const char* run : {"first run", "second run"}) {
            h_->view().run([run](InteractiveForm& f) {
                for (int line = 0; line < 40; ++line)
                    f.AppendMessage(std::string(run) + " line " + std::to_string(line));
                f.AppendMessage("Output - /data/points out.txt");
                f.ShowMessages();
            });
            QVERIFY2(list->viewport()->rect().contains(list->visualItemRect(list->item(list->count() - 1))), run);
        }
        frame.setStatusText("Click on a filename in the message box to view it");
        list->setCurrentRow(40);
        QCOMPARE(h_->opener.opened, std::vector<std::string>{"/data/points out.txt"});
        const std::string saved = h_->paths().programFolder + "/saved.log";
        h_->files.answers.push_back(ChosenFile{saved, false});
        h_->click("saveMessages");
        const std::string bytes = readWholeFile(saved);
        QCOMPARE(bytes.substr(0, 20), std::string("first run line 0\r\nfi"));
        QVERIFY(bytes.ends_with("line 39\r\nOutput - /data/points out.txt\r\n"));
        h_->click("clearMessages");
        QCOMPARE(list->count(), 0);
        QCOMPARE(frame.statusText(), QStringLiteral("For Help, press F1"));
    }

    // A stored size beyond the screen is fitted; what the user set comes
    // back at the next start.
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
        h_->form().setFontSize(12);
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
        QVERIFY(second.action(MenuCommand::GdaGeographic)->isChecked());
        QCOMPARE(h_->child<QComboBox>("itrfParameterList")->count(), 3);
    }

    // Under a decimal-comma locale the fields show and take ",", while the
    // computation and the log see ".".
    void decimalCommaAtTheFieldsOnly()
    {
        const testing::FieldLocaleGuard germanFields;
        h_->startShown();
        typeSamplePoint();
        QCOMPARE(h_->text("itrfX"), QStringLiteral("-4052052,048"));
        field("itrfY")->clear();
        QTest::keyClicks(field("itrfY"), QStringLiteral("4212836,105"));
        h_->click("compute");
        QCOMPARE(h_->text("gdaY"), QStringLiteral("4212836,2051"));
        QCOMPARE(fileLines(logPath()).back().substr(108, 12), std::string("-4052051.765"));
    }
};

QObject* makeMainFormTest() { return new MainFormTest; }

}  // namespace tessara::testing

#include "main_form_test.moc"
