// "Convert coordinates in file" and its output format dialog, driven as the
// user would, and a whole run compared with the command line's.
#include "program/memory_settings_store.h"
#include "program/settings.h"
#include "records/builtin_records.h"
#include "filetransform/convert_form.h"
#include "filetransform/dialogs/convert_command.h"
#include "params/dialogs/parameter_commands.h"
#include "params/parameter_store.h"
#include "tests/support/recording_notifier.h"
#include "tests/ui/dialogs/dialog_test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <fstream>
#include <memory>

namespace tessara::testing {
namespace {

const std::string kExamples = TESSARA_SOURCE_DIR "/examples/";

ParameterStore builtInStore()
{
    ParameterStore store;
    for (const ParameterSet& set : builtInParameterSets())
        store.store(set);
    return store;
}

void choose(QWidget& dialog, const char* list, const QString& entry)
{
    auto* combo = child<QComboBox>(dialog, list);
    const int index = combo->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    combo->setCurrentIndex(index);
}

// Clicks a check box or option button on its box, as a user does (the
// middle of a wide button may lie beside its caption).
void toggle(QWidget& dialog, const char* name)
{
    auto* button = child<QAbstractButton>(dialog, name);
    QVERIFY2(button != nullptr, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// The output with the time of its making masked.
QByteArray timeMasked(QByteArray bytes)
{
    const QByteArray created = "File created:    ";
    const qsizetype at = bytes.indexOf(created);
    if (at >= 0) {
        const qsizetype end = bytes.indexOf('\r', at);
        bytes.replace(at, end - at, created + "<time>");
    }
    return bytes;
}

}  // namespace

class ConvertDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
    }

    // One run through the dialog, compared byte for byte with the command
    // line's. Detection, relabelling and the rules for Convert are checked
    // in the core form (ConvertForm.*); here each choice reaches its widget,
    // the buttons follow, and the choices reach the run.
    void aRunMatchesTheCommandLine()
    {
        const QDir folder(folder_->path());
        const std::string input = kExamples + "cartesian_epochs.txt";
        const QString output = folder.filePath(QStringLiteral("out.csv"));
        MemorySettingsStore store;
        Settings settings = LoadSettings(store, folder_->path().toStdString());
        settings.file.outputMru = folder.filePath(QStringLiteral("last.csv")).toStdString();
        const ParameterStore sets = builtInStore();
        const Ellipsoid grs80 = builtInEllipsoid();
        int saves = 0;
        ConvertContext context{settings.file, sets, grs80, [&] {
                                   ++saves;
                                   SaveSettings(settings, store);
                               }};
        ScriptedPaths paths;
        paths.files = {{input, 1}, {input, 1}, {folder.filePath(QStringLiteral("out")).toStdString(), 2}};
        RecordingNotifier notifier;
        std::unique_ptr<OnNextModal> format;
        OnNextModal convert([&](QDialog& dialog) {
            QCOMPARE(text(dialog, "setList"), QStringLiteral("ITRF2000"));
            QVERIFY(shown(dialog, "instructions") && !shown(dialog, "preview"));
            click(dialog, "inputBrowseButton");
            QVERIFY(shown(dialog, "preview") && !shown(dialog, "instructions") && !shown(dialog, "layoutList"));
            QCOMPARE(text(dialog, "typeList") + text(dialog, "fieldList1") + text(dialog, "epochSourceList") +
                         text(dialog, "epochFieldList"),
                     QStringLiteral("Cartesian (X,Y,Z)3Each record2"));
            click(dialog, "outputBrowseButton");
            QCOMPARE(text(dialog, "messageLine"), QStringLiteral("Input and output file names must be different!"));
            QCOMPARE(paths.asked.back().initialPath, settings.file.outputMru);
            QCOMPARE(paths.asked.back().filterEntry, 2);  // the last output was a .csv
            click(dialog, "outputBrowseButton");  // a bare name gets the entry's extension
            QCOMPARE(text(dialog, "outputName") + text(dialog, "messageLine"), output);
            choose(dialog, "epochSourceList", QStringLiteral("Set date ->"));
            choose(dialog, "epochFormList", QStringLiteral("dd/mm/yyyy"));
            QVERIFY(enabled(dialog, "outputFormatButton") && !enabled(dialog, "convertButton"));
            QVERIFY(shown(dialog, "setDate") && !shown(dialog, "epochFieldList"));
            QTest::keyClicks(child<QLineEdit>(dialog, "setDate"), QStringLiteral("01/01/2005"));
            choose(dialog, "directionList", QStringLiteral("GDA94 -> ITRF"));
            format = std::make_unique<OnNextModal>(
                [&](QDialog& formatDialog) {
                    toggle(formatDialog, "geographicBox");
                    QVERIFY(!enabled(formatDialog, "notation") && !enabled(formatDialog, "hemisphere"));
                    toggle(formatDialog, "cartesianBox");
                    QVERIFY(!enabled(formatDialog, "okButton"));
                    toggle(formatDialog, "cartesianBox");
                    toggle(formatDialog, "geographicBox");
                    toggle(formatDialog, "notation2");
                    toggle(formatDialog, "hemisphere2");
                    click(formatDialog, "helpButton");
                    click(formatDialog, "okButton");
                },
                &dialog);
            click(dialog, "outputFormatButton");
            QVERIFY(format->acted() && enabled(dialog, "convertButton"));
            click(dialog, "convertButton");
        });
        const ConvertCommandResult result = transformFile(nullptr, context, DialogServices{notifier, paths, 8});
        QVERIFY(convert.acted() && result.converted);
        QCOMPARE(saves, 2);
        QCOMPARE(store.value(kFileSection, "OutputMRU").value_or(""), output.toStdString());
        QVERIFY(!settings.file.itrfToGda);
        QCOMPARE(notifier.shown.size(), std::size_t{1});  // the format dialog's help
        const QByteArray fromDialog = fileBytes(output);
        QVERIFY(QFile::remove(output));

        // The command line with the same choices, to the same output name.
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TESSARA_HOME"), folder_->path());
        cli.setProcessEnvironment(environment);
        cli.start(QStringLiteral(TESSARA_CLI),
                  {"transform", "--quiet", "--set", "ITRF2000", "--input-hemisphere", "letter", "--epoch",
                   "01/01/2005", "--reverse", "--notation", "dd", "--hemisphere", "letter", "--precision",
                   "8,7,5,3,3", QString::fromStdString(input), output});
        QVERIFY(cli.waitForFinished(30000));
        const QByteArray fromCli = fileBytes(output);
        QVERIFY(fromCli.size() > 200);
        QCOMPARE(timeMasked(fromDialog), timeMasked(fromCli));

        // The message lines are those the command line reports.
        // (Its own notes, such as the one about decimal degrees, are not.)
        QStringList cliLines = QString::fromLocal8Bit(cli.readAllStandardError())
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                   .filter(QRegularExpression(QStringLiteral("^(?!tessara-cli)")));
        QStringList dialogLines;
        for (const std::string& line : result.messages)
            dialogLines << QString::fromStdString(line);
        QCOMPARE(dialogLines, cliLines);
        QCOMPARE(dialogLines.front(), "Input - " + QString::fromStdString(input));
    }

    // The Qt chooser gives a bare name the extension of its filter entry.
    void qtChooserAddsTheExtension()
    {
        QtPathChooser chooser;
        OnNextModal save([&](QDialog& dialog) {
            child<QLineEdit>(dialog, "fileNameEdit")->setText(QStringLiteral("result"));
            dialog.accept();  // QFileDialog::accept, through the base
        });
        const std::optional<ChosenPath> chosen = chooser.chooseSaveFile(
            {std::string(kOutputFileTitle), std::string(kPointFileFilter), folder_->path().toStdString(), 2});
        QVERIFY(save.acted() && chosen.has_value());
        QCOMPARE(QString::fromStdString(chosen->path), QDir(folder_->path()).filePath(QStringLiteral("result.csv")));
        QCOMPARE(chosen->filterEntry, 2);
    }

    // Events are handled while a long run goes on, not only after it.
    void aLongRunKeepsTheWindowPainting()
    {
        const QString input = QDir(folder_->path()).filePath(QStringLiteral("big.txt"));
        {
            std::ofstream out(input.toStdString());
            for (int i = 0; i < 300000; ++i)
                out << "P" << i << " -4052051.765 4212836.205 -2545106.026\n";
        }
        FileRunSettings run;
        run.inputPath = input.toStdString();
        run.outputPath = QDir(folder_->path()).filePath(QStringLiteral("big.out")).toStdString();
        run.format.parameterSetName = "ITRF2000";
        run.format.setDate = "01/01/2005";
        run.format.field1 = 1;
        run.format.field2 = 2;
        run.format.field3 = 3;
        run.parameters = *builtInStore().find("ITRF2000");
        run.ellipsoid = builtInEllipsoid();
        QWidget window;
        window.show();
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, &timer, [&ticks] { ++ticks; });
        timer.start(20);
        std::vector<std::string> messages;
        const FileRunResult result = runWithProgress(&window, run, messages);
        QCOMPARE(result.status, FileRunStatus::Completed);
        QCOMPARE(messages.at(1), std::string("Transformed 300000 lines (0 errors)"));
        QVERIFY(ticks > 0);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

QObject* makeConvertDialogTest() { return new ConvertDialogTest; }

}  // namespace tessara::testing

#include "convert_dialog_test.moc"
