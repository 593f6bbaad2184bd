// The flows of the main form through its widgets: typing, the buttons, the
// shortcut of the sample point, the log, and the settings of the next run.
#include "widgets/numeric_edit.h"
#include "interactive/ui/half_panel.h"
#include "interactive/ui/message_panel.h"
#include "tests/ui/mainprog/frame_harness.h"
#include "tests/ui/mainprog/test_classes.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QGroupBox>
#include <QListWidget>
#include <QLocale>
#include <QScopeGuard>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>


namespace tessara::testing {

class MainFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<FrameHarness> h_;

    std::string logPath() const { return h_->paths().programFolder + "/tessara.log"; }

    // The sample point through Ctrl+F1, with the epoch as a decimal year.
    void typeSamplePoint()
    {
        // The shortcut reaches the active window only.
        h_->frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h_->frame.get()));
        h_->click("itrfEpochDecimalYear");
        QTest::keyClick(h_->frame.get(), Qt::Key_F1, Qt::ControlModifier);
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

    void samplePointThenComputeGivesTheWorkedExample()
    {
        h_->startShown();
        QVERIFY(h_->logStarted);
        typeSamplePoint();
        QCOMPARE(h_->text("itrfX"), QStringLiteral("-4052052.048"));
        QCOMPARE(h_->text("itrfEpoch"), QStringLiteral("2002.0"));
        QTest::keyClicks(h_->child<QLineEdit>("itrfIdentifier"), QStringLiteral("ALIC"));
        QVERIFY(h_->view().computeButton()->isEnabled());
        h_->click("compute");

        // The GDA94 point of the worked example at the output precisions.
        QCOMPARE(h_->text("gdaIdentifier"), QStringLiteral("ALIC"));
        QCOMPARE(h_->text("gdaX"), QStringLiteral("-4052051.7649"));
        QCOMPARE(h_->child<QLabel>("gdaLatitudeSide")->text(), QStringLiteral("South"));
        QVERIFY(!h_->view().messages()->isVisible());

        // One record; the column layout itself is checked in the log's core tests.
        const std::vector<std::string> log = fileLines(logPath());
        QCOMPARE(log.size(), std::size_t{10});
        QCOMPARE(log.back().substr(210, 7), std::string("|  ALIC"));
    }

    void typedTextIsValidatedAtOnce()
    {
        h_->startShown();
        typeSamplePoint();
        auto* x = h_->child<QLineEdit>("itrfX");
        auto* toLatLong = h_->child<QPushButton>("itrfToLatLong");
        QVERIFY(toLatLong->isEnabled());

        // A letter does not get into a number field at all.
        x->clear();
        QTest::keyClicks(x, QStringLiteral("4a"));
        QCOMPARE(x->text(), QStringLiteral("4"));
        QVERIFY(!h_->view().messages()->isVisible());

        // What the field lets through but is no number is reported as typed.
        x->clear();
        QTest::keyClick(x, Qt::Key_Minus);
        QVERIFY(h_->view().messages()->isVisible());
        QCOMPARE(h_->view().messages()->list()->count(), 1);
        QCOMPARE(h_->view().messages()->list()->item(0)->text(),
                 QStringLiteral("X value (-) invalid"));
        QVERIFY(!h_->view().computeButton()->isEnabled());
        QVERIFY(!toLatLong->isEnabled());

        QTest::keyClicks(x, QStringLiteral("4052052.048"));
        QVERIFY(!h_->view().messages()->isVisible());
        QVERIFY(h_->view().computeButton()->isEnabled());
        QVERIFY(toLatLong->isEnabled());
        QCOMPARE(x->cursorPosition(), 12);  // typing was not disturbed
    }

    // What each command does to the fields is checked in the core; here the
    // buttons reach it and the widgets follow.
    void clearAndDirectionButtons()
    {
        h_->startShown();
        typeSamplePoint();
        h_->click("compute");
        const QString gda = h_->text("gdaX");
        h_->click("clearItrf");
        QVERIFY(h_->text("itrfX").isEmpty());
        QVERIFY(!h_->view().computeButton()->isEnabled());
        h_->click("gdaDirection");
        QCOMPARE(h_->text("gdaX"), gda);
        QVERIFY(h_->child<QLineEdit>("itrfX")->isReadOnly());
        QVERIFY(!h_->child<QLineEdit>("gdaX")->isReadOnly());
        QVERIFY(h_->child<QLineEdit>("gdaX")->hasFocus());
    }

    void formatCommandReexpressesTheTypedPoint()
    {
        h_->startShown();
        h_->click("itrfTypeGeographic");
        // The fields of each notation take the same room: nothing moves.
        const auto where = [this] {
            return QList<QRect>{h_->child("itrfGroup")->geometry(), h_->child("gdaGroup")->geometry()};
        };
        const QList<QRect> before = where();
        const auto chooseInput = [](int notation) {
            return [notation](QWidget& dialog) {
                const auto* box = dialog.findChild<QGroupBox*>(QStringLiteral("inputGroup"));
                box->findChildren<QRadioButton*>().at(notation)->click();
                QCOMPARE(dialog.font().pointSize(), 8);
                acceptDialog(dialog);
            };
        };
        {
            OnNextModal answer(chooseInput(2));  // decimal degrees
            h_->frame->action(MenuCommand::ItrfFormat)->trigger();
            QVERIFY(answer.acted());
        }
        QCOMPARE(where(), before);
        typeSamplePoint();
        QCOMPARE(h_->text("itrfLatitudeSingle"), QStringLiteral("23.67011982"));
        {
            OnNextModal answer(chooseInput(0));  // degrees, minutes, seconds
            h_->frame->action(MenuCommand::ItrfFormat)->trigger();
            QVERIFY(answer.acted());
        }
        QCOMPARE(h_->text("itrfLatitudeSeconds"), QStringLiteral("12.43135"));
        QVERIFY(h_->child<QLineEdit>("itrfLatitudeSeconds")->isVisible());
        QVERIFY(!h_->child<QLineEdit>("itrfLatitudeSingle")->isVisible());
        QVERIFY(!h_->text("gdaX").isEmpty());  // the form could compute, so it did
    }

    void precisionCommandPullsBackAndRecomputes()
    {
        h_->startShown();
        typeSamplePoint();
        h_->click("compute");
        OnNextModal answer([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Options - Precision (Tessara)"));
            acceptDialog(dialog);
        });
        h_->frame->action(MenuCommand::ItrfPrecision)->trigger();
        QVERIFY(answer.acted());
        QCOMPARE(h_->form().settings().itrfToGda.precision.cartesian, 3);
        QCOMPARE(h_->text("gdaX"), QStringLiteral("-4052051.765"));
    }

    void aStoredSizeBeyondTheScreenIsFittedToIt()
    {
        {
            QSettingsStore edited;
            edited.writeInteger(kWindowSection, "WindowWidth", 32767);
            edited.writeInteger(kWindowSection, "WindowHeight", 14288);
        }
        CMainFrame& frame = h_->startShown();
        QVERIFY(frame.screen()->availableGeometry().contains(frame.frameGeometry()));
        // What the next start finds fits as well.
        QCOMPARE(h_->form().settings().window.width, frame.width());
        QCOMPARE(h_->form().settings().window.height, frame.height());
    }

    void settingsSurviveARestart()
    {
        CMainFrame& first = h_->startShown();
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
        // The stored lists themselves are checked in the settings scenarios.
        QCOMPARE(h_->child<QComboBox>("itrfParameterList")->count(), 3);
    }

    // Under a decimal-comma locale the fields show and take ",", while the
    // computation and the log see ".".
    void decimalCommaAtTheFieldsOnly()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CNumericEdit::reloadLocaleSymbols();
        const auto restore = qScopeGuard([] {
            QLocale::setDefault(QLocale::c());
            CNumericEdit::reloadLocaleSymbols();
        });
        h_->startShown();
        typeSamplePoint();
        QCOMPARE(h_->text("itrfX"), QStringLiteral("-4052052,048"));
        auto* y = h_->child<QLineEdit>("itrfY");
        y->clear();
        QTest::keyClicks(y, QStringLiteral("4212836,105"));
        h_->click("compute");
        QCOMPARE(h_->text("gdaX"), QStringLiteral("-4052051,7649"));
        QCOMPARE(h_->text("gdaY"), QStringLiteral("4212836,2051"));
        QCOMPARE(fileLines(logPath()).back().substr(108, 12), std::string("-4052051.765"));
    }

    void messageListButtonsAndLines()
    {
        CMainFrame& frame = h_->startShown();
        h_->view().run([](InteractiveForm& f) {
            f.AppendMessage("Line  3");
            f.AppendMessage("Output - /data/points out.txt");
            f.ShowMessages();
        });
        frame.setStatusText("Click on a filename in the message box to view it");
        QListWidget* list = h_->view().messages()->list();
        QVERIFY(list->isVisible());

        list->setCurrentRow(1);  // which lines open a file is checked in the core tests
        QCOMPARE(h_->opener.opened, std::vector<std::string>{"/data/points out.txt"});

        const std::string saved = h_->paths().programFolder + "/saved.log";
        h_->files.answers.push_back(ChosenFile{saved, false});
        h_->click("saveMessages");
        QCOMPARE(readWholeFile(saved), std::string("Line  3\r\nOutput - /data/points out.txt\r\n"));

        h_->click("clearMessages");
        QCOMPARE(list->count(), 0);
        QCOMPARE(frame.statusText(), QStringLiteral("For Help, press F1"));
    }

    // Every field of the output half, the identifier too, can be selected
    // and copied but not typed into, and all look alike; the halves swap
    // with the direction. The form does not move sideways meanwhile.
    void outputFieldsAreReadOnlyAndAlike()
    {
        h_->startShown();
        const QRect before = h_->child("gdaGroup")->geometry();
        for (const bool itrfToGda : {true, false}) {
            h_->view().runWithLayout([itrfToGda](InteractiveForm& f) {
                f.SetDirection(itrfToGda);
                f.SetInputType(itrfToGda ? Half::Gda : Half::Itrf, InputType::Geographic);
            });
            const QString output = itrfToGda ? QStringLiteral("gda") : QStringLiteral("itrf");
            const QString input = itrfToGda ? QStringLiteral("itrf") : QStringLiteral("gda");
            const QColor base = h_->child<QLineEdit>(qPrintable(output + "X"))
                                    ->palette().color(QPalette::Base);
            for (const char* field : {"Identifier", "X", "Y", "Z", "LatitudeDegrees",
                                      "LongitudeSeconds", "Height"}) {
                const QLineEdit* edit = h_->child<QLineEdit>(qPrintable(output + field));
                QVERIFY2(edit->isEnabled() && edit->isReadOnly(), field);
                QCOMPARE(edit->palette().color(QPalette::Base), base);
            }
            QVERIFY(!h_->child<QLineEdit>(qPrintable(input + "Identifier"))->isReadOnly());
            QCOMPARE(h_->child("gdaGroup")->geometry(), before);
        }
    }

    // The newest line is in view after every command that adds lines.
    void messageListFollowsNewLines()
    {
        h_->startShown();
        QListWidget* list = h_->view().messages()->list();
        const auto newestInView = [list] {
            const QRect row = list->visualItemRect(list->item(list->count() - 1));
            return list->viewport()->rect().contains(row);
        };
        for (const char* run : {"first run", "second run"}) {
            h_->view().run([run](InteractiveForm& f) {
                for (int line = 0; line < 40; ++line)
                    f.AppendMessage(std::string(run) + " line " + std::to_string(line));
                f.ShowMessages();
            });
            QVERIFY2(newestInView(), run);
        }
    }
};

QObject& mainFormTest()
{
    static MainFormTest test;
    return test;
}

}  // namespace tessara::testing

#include "main_form_test.moc"
