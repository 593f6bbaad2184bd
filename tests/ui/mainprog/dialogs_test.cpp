// The option dialogs of the main window on their own: what they show for a
// stored value and what they give back.
#include "app/dialogs/font_size_dialog.h"
#include "interactive/dialogs/log_options_dialog.h"
#include "tests/ui/mainprog/frame_harness.h"
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
    // A stored value beyond a field's range is pulled back; each field's
    // example follows it.
    void precisionDialog()
    {
        CPrecisionDialog dialog;
        OutputPrecision stored;  // cartesian 4, above the field's range
        stored.seconds = 0;
        dialog.setValue({true, stored});
        QCOMPARE(dialog.field(PrecisionField::Cartesian)->value(), 3);
        QCOMPARE(dialog.example(PrecisionField::Seconds)->text(), QStringLiteral("1 second = 30 m "));
        dialog.field(PrecisionField::Minutes)->setValue(2);
        QCOMPARE(dialog.example(PrecisionField::Minutes)->text(), QStringLiteral("0.01 minute = 20 m "));
        const OutputPrecision chosen = dialog.value().precision;
        QCOMPARE(chosen.cartesian, 3);
        QCOMPARE(chosen.minutes, 2);
        QCOMPARE(chosen.seconds, 0);
        QCOMPARE(chosen.height, 3);
    }

    void formatDialog()
    {
        RecordingNotifier notifier;
        CFormatDialog dialog(notifier);
        dialog.show();
        const auto noteShown = [&dialog] {
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                if (label->text().startsWith(QStringLiteral("Note - Values will be calculated")))
                    return label->isVisible();
            return false;
        };
        auto* input = dialog.findChild<QGroupBox*>(QStringLiteral("inputGroup"));
        auto* output = dialog.findChild<QGroupBox*>(QStringLiteral("outputGroup"));
        dialog.setValue({false, AngleNotation::Dmhp, AngleNotation::Dm, false});
        QVERIFY(input->findChildren<QRadioButton*>().at(4)->isChecked());
        QVERIFY(!noteShown());
        dialog.setValue({true, AngleNotation::Dms, AngleNotation::Dd, true});
        QVERIFY(noteShown());
        output->findChildren<QRadioButton*>().at(3)->click();
        QCOMPARE(dialog.value().output, AngleNotation::Dmshp);
        QCOMPARE(dialog.value().input, AngleNotation::Dms);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
        QCOMPARE(notifier.shown.size(), std::size_t{1});
    }

    // A stored size without its option selects nothing and is kept.
    void fontSizeDialog()
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
    }

    void logOptionsDialog()
    {
        ScriptedFileChooser files;
        CLogFileOptionsDialog dialog(files);
        dialog.setValue({"/data/old.log", true, false});
        files.answers.push_back(ChosenFile{"/data/new.log", false});
        files.answers.push_back(std::nullopt);  // a cancelled choice keeps the name
        for (int choice = 0; choice < 2; ++choice)
            dialog.findChild<QPushButton*>(QStringLiteral("selectLogFile"))->click();
        const SaveFileRequest& asked = files.saveRequests.at(0);
        QCOMPARE(asked.initialPath, std::string("/data/old.log"));
        QCOMPARE(asked.defaultExtension, std::string("out"));
        QVERIFY(asked.confirmOverwrite);
        dialog.findChild<QCheckBox*>(QStringLiteral("logAppend"))->click();
        const LogOptions chosen = dialog.value();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Log file options"));
        QCOMPARE(chosen.logFile, std::string("/data/new.log"));
        QVERIFY(chosen.prompt && chosen.append);
    }
};

QObject* makeDialogsTest() { return new DialogsTest; }

}  // namespace tessara::testing

#include "dialogs_test.moc"
