// "Convert coordinates in file" and the output format dialog, driven as the
// user would, and a whole run compared with the command line's.
#include "program/memory_settings_store.h"
#include "program/settings.h"
#include "records/builtin_records.h"
#include "filetransform/dialogs/convert_command.h"
#include "filetransform/dialogs/convert_dialog.h"
#include "filetransform/dialogs/output_format_dialog.h"
#include "params/dialogs/parameter_commands.h"
#include "params/parameter_store.h"
#include "tests/support/recording_notifier.h"
#include "tests/ui/dialogs/dialog_test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QListWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
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

ConvertDialogStart startWithBuiltInSets()
{
    ConvertDialogStart start;
    for (const ParameterSet& set : builtInParameterSets())
        start.setNames.push_back(set.name);
    return start;
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

    // What detection chooses is checked in the core form; here each choice
    // reaches its widget, the type relabels the fields, the checks set the
    // message line, and Convert follows the choices.
    void choicesReachTheWidgets()
    {
        QDir folder(folder_->path());
        const std::string input = folder.filePath("points.txt").toStdString();
        std::ofstream(input) << "P1,-33.5,151.2,10\n";
        ScriptedPaths paths;
        RecordingNotifier notifier;
        ConvertDialogStart start = startWithBuiltInSets();
        start.lastOutputFile = folder.filePath("last.csv").toStdString();
        CConvertFileDialog dialog(start, paths, notifier, {});
        dialog.show();
        QCOMPARE(text(dialog, "setList"), QStringLiteral("ITRF2000"));
        QVERIFY(!enabled(dialog, "convertButton") && !enabled(dialog, "outputFormatButton"));
        QVERIFY(shown(dialog, "instructions") && !shown(dialog, "preview"));

        paths.files.push_back({kExamples + "cartesian_epochs.txt", 1});
        dialog.browseInput();
        QVERIFY(shown(dialog, "preview") && !shown(dialog, "instructions"));
        QCOMPARE(child<QTableWidget>(dialog, "preview")->columnCount(), 5);
        QCOMPARE(text(dialog, "typeList"), QStringLiteral("Cartesian (X,Y,Z)"));
        QVERIFY(!shown(dialog, "layoutList") && !shown(dialog, "confirmNote"));
        QCOMPARE(text(dialog, "fieldList1"), QStringLiteral("3"));
        QCOMPARE(text(dialog, "epochSourceList") + text(dialog, "epochFieldList"),
                 QStringLiteral("Each record2"));
        choose(dialog, "fieldList1", QStringLiteral("4"));
        choose(dialog, "typeList", QStringLiteral("Geographic (Lat,Lon,Ht)"));
        QCOMPARE(text(dialog, "fieldLabel1"), QStringLiteral("Lat."));
        QVERIFY(shown(dialog, "layoutList"));
        choose(dialog, "typeList", QStringLiteral("Cartesian (X,Y,Z)"));
        QCOMPARE(text(dialog, "fieldLabel1") + text(dialog, "fieldList1"), QStringLiteral("X4"));

        paths.files.push_back({input, 1});
        dialog.browseInput();
        QCOMPARE(text(dialog, "layoutList"), QStringLiteral("dd.dddd"));
        QVERIFY(shown(dialog, "confirmNote") && shown(dialog, "setDate"));
        paths.files.push_back({input, 1});
        dialog.browseOutput();
        QCOMPARE(text(dialog, "messageLine"), QStringLiteral("Input and output file names must be different!"));
        QCOMPARE(paths.asked.back().initialPath, start.lastOutputFile);
        QCOMPARE(paths.asked.back().filterEntry, 2);  // the last output was a .csv
        // A bare name gets the extension of the filter entry in use.
        paths.files.push_back({folder.filePath("result").toStdString(), 2});
        dialog.browseOutput();
        QCOMPARE(text(dialog, "outputName"), folder.filePath("result.csv"));
        QCOMPARE(text(dialog, "messageLine"), QString());
        QVERIFY(enabled(dialog, "outputFormatButton") && !enabled(dialog, "convertButton"));
        choose(dialog, "epochFormList", QStringLiteral("dd/mm/yyyy"));
        QTest::keyClicks(child<QLineEdit>(dialog, "setDate"), QStringLiteral("1/1/2005"));
        QVERIFY(enabled(dialog, "convertButton"));
        choose(dialog, "epochSourceList", QStringLiteral("Each record"));
        QVERIFY(shown(dialog, "epochFieldList") && !shown(dialog, "setDate"));
        QVERIFY(!enabled(dialog, "convertButton"));

        // A file without lines says so.
        const std::string empty = folder.filePath("empty.txt").toStdString();
        std::ofstream{empty};
        paths.files.push_back({empty, 1});
        dialog.browseInput();
        QVERIFY(shown(dialog, "instructions") && !shown(dialog, "preview"));
        auto* instructions = child<QListWidget>(dialog, "instructions");
        QCOMPARE(instructions->item(instructions->count() - 1)->text(), QStringLiteral("File has no records"));
    }

    void theOutputFormatDialogFollowsItsBoxes()
    {
        RecordingNotifier notifier;
        COutputFormatDialog dialog(notifier);
        dialog.show();
        OutputFileFormat format;
        format.geographic = false;
        format.precision.degrees = 12;  // beyond what the field takes
        dialog.setValue(format);
        QVERIFY(!enabled(dialog, "notation") && !enabled(dialog, "hemisphere"));
        QVERIFY(enabled(dialog, "okButton"));
        toggle(dialog, "cartesianBox");
        QVERIFY(!enabled(dialog, "okButton"));
        toggle(dialog, "geographicBox");
        QVERIFY(enabled(dialog, "okButton") && enabled(dialog, "notation"));

        QCOMPARE(dialog.value().precision.degrees, 8);  // pulled back into the field's range
        child<QRadioButton>(dialog, "hemisphere2")->click();
        child<QRadioButton>(dialog, "notation4")->click();
        QCOMPARE(dialog.value().hemisphere, FileHemisphereStyle::Letter);
        QCOMPARE(dialog.value().notation, AngleNotation::Dmhp);
        click(dialog, "helpButton");
        QCOMPARE(notifier.shown.back().text, std::string("Help not yet available"));
    }

    void aRunMatchesTheCommandLineByteForByte_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("setDate");  // empty: epochs from each record
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QStringList>("formatClicks");  // buttons of the output format dialog
        QTest::addColumn<QStringList>("cliOptions");
        QTest::newRow("geographic text output, one date") << "geographic_dms.txt" << "out.txt"
            << "01/01/2005" << false << QStringList{} << QStringList{};
        QTest::newRow("cartesian epochs to csv, decimal degrees with letters, GDA94 to ITRF")
            << "cartesian_epochs.txt" << "out.csv" << "" << true
            << QStringList{"notation2", "hemisphere2"}
            << QStringList{"--reverse", "--notation", "dd", "--hemisphere", "letter",
                           "--precision", "8,7,5,3,3"};
        QTest::newRow("records with errors, cartesian only") << "with_errors.txt" << "errors.txt"
            << "2010.5" << false << QStringList{"geographicBox"}
            << QStringList{"--output", "xyz", "--precision", "8,7,5,3,3"};
    }

    void aRunMatchesTheCommandLineByteForByte()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, setDate);
        QFETCH(bool, reverse);
        QFETCH(QStringList, formatClicks);
        QFETCH(QStringList, cliOptions);
        const QDir folder(folder_->path());
        const std::string inputPath = kExamples + input.toStdString();
        const QString outputPath = folder.filePath(output);

        MemorySettingsStore store;
        Settings settings = LoadSettings(store, folder_->path().toStdString());
        const ParameterStore sets = builtInStore();
        const Ellipsoid grs80 = builtInEllipsoid();
        int saves = 0;
        ConvertContext context{settings.file, sets, grs80, [&] {
                                   ++saves;
                                   SaveSettings(settings, store);
                               }};
        ScriptedPaths paths;
        paths.files.push_back({inputPath, 1});
        paths.files.push_back({outputPath.toStdString(), 1});
        RecordingNotifier notifier;

        std::unique_ptr<OnNextModal> format;
        OnNextModal convert([&](QDialog& dialog) {
            click(dialog, "inputBrowseButton");
            click(dialog, "outputBrowseButton");
            if (reverse)
                choose(dialog, "directionList", QStringLiteral("GDA94 -> ITRF"));
            if (!setDate.isEmpty()) {
                choose(dialog, "epochFormList",
                       setDate.contains(QLatin1Char('/')) ? QStringLiteral("dd/mm/yyyy")
                                                          : QStringLiteral("yyyy.yyy"));
                QTest::keyClicks(child<QLineEdit>(dialog, "setDate"), setDate);
            }
            if (!formatClicks.isEmpty()) {
                format = std::make_unique<OnNextModal>(
                    [&](QDialog& formatDialog) {
                        for (const QString& button : formatClicks)
                            toggle(formatDialog, button.toLatin1().constData());
                        click(formatDialog, "okButton");
                    },
                    &dialog);
                click(dialog, "outputFormatButton");
                QVERIFY(format->acted());
            }
            QVERIFY(enabled(dialog, "convertButton"));
            click(dialog, "convertButton");
        });
        const ConvertCommandResult result =
            transformFile(nullptr, context, DialogServices{notifier, paths, 8});
        QVERIFY(convert.acted() && !convert.timedOut());
        QVERIFY(result.converted);
        QCOMPARE(saves, formatClicks.isEmpty() ? 1 : 2);
        QCOMPARE(settings.file.inputMru, inputPath);
        QCOMPARE(settings.file.outputMru, outputPath.toStdString());
        QCOMPARE(settings.file.setName, std::string("ITRF2000"));
        QCOMPARE(settings.file.itrfToGda, !reverse);
        QCOMPARE(store.value(kFileSection, "OutputMRU").value_or(""), outputPath.toStdString());
        QVERIFY(notifier.shown.empty());
        const QByteArray fromDialog = fileBytes(outputPath);
        QVERIFY(QFile::remove(outputPath));

        // The command line with the same choices, to the same output name.
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TESSARA_HOME"), folder_->path());
        cli.setProcessEnvironment(environment);
        QStringList arguments{QStringLiteral("transform"), QStringLiteral("--quiet"),
                              QStringLiteral("--set"),
                              QStringLiteral("ITRF2000"), QStringLiteral("--input-hemisphere"),
                              QStringLiteral("letter")};
        if (!setDate.isEmpty())
            arguments << QStringLiteral("--epoch") << setDate;
        arguments << cliOptions << QString::fromStdString(inputPath) << outputPath;
        cli.start(QStringLiteral(TESSARA_CLI), arguments);
        QVERIFY(cli.waitForFinished(30000));
        const QByteArray fromCli = fileBytes(outputPath);
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
        QCOMPARE(dialogLines.front(), "Input - " + QString::fromStdString(inputPath));
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
