// The option dialogs on their own: what they show for a direction, what
// they give back, and their special cases.
#include "app/dialogs/font_size_dialog.h"
#include "interactive/dialogs/log_options_dialog.h"
#include "tests/ui/mainprog/frame_harness.h"
#include "tests/ui/mainprog/test_classes.h"
#include "values/dialogs/format_dialog.h"
#include "values/dialogs/precision_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace tessara::testing {

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void precisionPullsBackAndKeepsTheExampleOfTheStoredValue()
    {
        CPrecisionDialog dialog;
        OutputPrecision stored;  // cartesian 4, above the field's range
        stored.seconds = 0;
        dialog.setValue({true, stored});
        QCOMPARE(dialog.field(PrecisionField::Cartesian)->value(), 3);
        QCOMPARE(dialog.example(PrecisionField::Seconds)->text(),
                 QStringLiteral("1 second = 30 m "));
        QCOMPARE(dialog.findChild<QGroupBox*>()->title(), QStringLiteral(" Precision - Output (GDA) "));

        dialog.field(PrecisionField::Minutes)->setValue(2);
        QCOMPARE(dialog.example(PrecisionField::Minutes)->text(),
                 QStringLiteral("0.01 minute = 20 m "));
        const OutputPrecision chosen = dialog.value().precision;
        QCOMPARE(chosen.cartesian, 3);
        QCOMPARE(chosen.minutes, 2);
        QCOMPARE(chosen.seconds, 0);
        QCOMPARE(chosen.height, 3);

        dialog.setValue({false, OutputPrecision{}});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Options - Precision (GDA to ITRF)"));
        QCOMPARE(dialog.findChild<QGroupBox*>()->title(),
                 QStringLiteral(" Precision - Output (ITRF) "));
    }

    void formatDialogPerDirection()
    {
        RecordingNotifier notifier;
        CFormatDialog dialog(notifier);
        dialog.setValue({false, AngleNotation::Dmhp, AngleNotation::Dm, false});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Options - Format (GDA to ITRF)"));
        auto* input = dialog.findChild<QGroupBox*>(QStringLiteral("inputGroup"));
        auto* output = dialog.findChild<QGroupBox*>(QStringLiteral("outputGroup"));
        QCOMPARE(input->title(), QStringLiteral(" Input - Geographic (GDA) "));
        QCOMPARE(output->title(), QStringLiteral(" Output - Geographic (ITRF) "));
        const QList<QRadioButton*> options = input->findChildren<QRadioButton*>();
        QCOMPARE(options.size(), 5);
        QCOMPARE(options.at(0)->text(), QStringLiteral("Degrees, minutes, seconds (d mm ss.ss)"));
        QVERIFY(options.at(4)->isChecked());
        QStringList texts;
        for (const QLabel* label : input->findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Always South for Australia")));
        QVERIFY(texts.contains(QStringLiteral("Always East for Australia")));

        const auto noteShown = [&dialog] {
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                if (label->text().startsWith(QStringLiteral("Note - Values will be calculated")))
                    return label->isVisible();
            return false;
        };
        dialog.show();
        QVERIFY(!noteShown());
        dialog.setValue({true, AngleNotation::Dms, AngleNotation::Dd, true});
        QVERIFY(noteShown());

        output->findChildren<QRadioButton*>().at(3)->click();
        QCOMPARE(dialog.value().output, AngleNotation::Dmshp);
        QCOMPARE(dialog.value().input, AngleNotation::Dms);

        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
        QCOMPARE(notifier.shown.size(), std::size_t{1});
        QCOMPARE(notifier.shown[0].text, std::string("Help on formats not yet available"));
    }

    // A stored size without its option selects nothing; OK without a choice
    // keeps the size.
    void fontSizeDialogOptions()
    {
        for (const auto& [stored, checked] : {std::pair{8, "fontSize8"}, std::pair{9, ""}}) {
            CFontSizeDialog dialog;
            dialog.setValue(stored);
            for (const QRadioButton* option : dialog.findChildren<QRadioButton*>())
                QCOMPARE(option->isChecked(), option->objectName() == QLatin1String(checked));
            QCOMPARE(dialog.value(), stored);
            dialog.findChild<QRadioButton*>(QStringLiteral("fontSize12"))->click();
            QCOMPARE(dialog.value(), 12);
        }
        CFontSizeDialog dialog;
        QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("fontSize8"))->text(),
                 QStringLiteral("Small "));
    }

    void logOptionsDialogPicksAFile()
    {
        ScriptedFileChooser files;
        CLogFileOptionsDialog dialog(files);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Log file options"));
        dialog.setValue({"/data/old.log", true, false});
        files.answers.push_back(ChosenFile{"/data/new.log", false});
        dialog.findChild<QPushButton*>(QStringLiteral("selectLogFile"))->click();
        const SaveFileRequest& asked = files.saveRequests.at(0);
        QCOMPARE(asked.title, std::string("Select file for output"));
        QCOMPARE(asked.initialPath, std::string("/data/old.log"));
        QCOMPARE(asked.defaultExtension, std::string("out"));
        QVERIFY(asked.confirmOverwrite);
        dialog.findChild<QCheckBox*>(QStringLiteral("logAppend"))->click();
        const LogOptions chosen = dialog.value();
        QCOMPARE(chosen.logFile, std::string("/data/new.log"));
        QVERIFY(chosen.prompt);
        QVERIFY(chosen.append);

        files.answers.push_back(std::nullopt);  // a cancelled choice keeps the name
        dialog.findChild<QPushButton*>(QStringLiteral("selectLogFile"))->click();
        QCOMPARE(dialog.value().logFile, std::string("/data/new.log"));
    }
};

QObject& dialogsTest()
{
    static DialogsTest test;
    return test;
}

}  // namespace tessara::testing

#include "dialogs_test.moc"
