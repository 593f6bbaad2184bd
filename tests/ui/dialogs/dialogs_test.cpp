// The parameter, ellipsoid and file transformation dialogs and the
// tessparams window driven as the user would: scripted file choices,
// recorded messages, the real windows offscreen. What they show and store
// is checked in the core (ParameterView, DisplayListEdit, StoreImportedSet,
// EllipsoidEntry, ParameterExport, ConvertForm, EditorFiles); here the
// wiring, and a whole file run compared with the command line's.
#include "editor/ui/editor_frame.h"
#include "editor/ui/ellipsoid_form.h"
#include "editor/ui/parameter_form.h"
#include "widgets/name_items.h"
#include "program/memory_settings_store.h"
#include "program/settings.h"
#include "program/startup_loading.h"
#include "filetransform/convert_form.h"
#include "filetransform/dialogs/convert_command.h"
#include "params/dialogs/ellipsoid_dialog.h"
#include "params/dialogs/modify_list_dialog.h"
#include "params/dialogs/parameter_commands.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_menu.h"
#include "params/name_list.h"
#include "params/parameter_file.h"
#include "params/parameter_store.h"
#include "tests/support/recording_notifier.h"
#include "tests/ui/dialogs/dialog_test_support.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

namespace tessara::testing {
namespace {

const std::string kFixtures = TESSARA_SOURCE_DIR "/tests/params/fixtures/";

// One editor window with its scripted files and recorded messages.
struct Editor {
    ScriptedPaths files;
    RecordingNotifier notifier;
    editor::CEditorFrame frame{files, notifier};

    Editor() { frame.show(); }
    editor::CParameterForm& parameters() { return *frame.parameterForm(); }
    QAction* action(const char* name) { return frame.findChild<QAction*>(name); }
    void open(QWidget& form, const std::string& path)
    {
        if (!path.empty())
            files.files.push_back({path, 1});
        click(form, "open");
    }
};

// Save and Save As, "11" for both enabled.
QString buttons(QWidget& form)
{
    return QString::number(enabled(form, "save")) + QString::number(enabled(form, "saveAs"));
}

// The data of the main form that the commands use, loaded as at start-up
// from the list files of a program folder of its own.
struct Program {
    explicit Program(const QTemporaryDir& folder)
        : listPath(QDir(folder.path()).filePath(QStringLiteral("params.tessara")).toStdString()),
          ellipsoidPath(
              QDir(folder.path()).filePath(QStringLiteral("ellipsoids.tessara")).toStdString())
    {
        LoadParameterSets(store, itrf, gda, listPath, settings, notifier);
        menu = EllipsoidMenu();
        LoadEllipsoids(ellipsoids, menu, current, true, "", ellipsoidPath, notifier);
    }

    DialogServices services() { return {notifier, paths, 8}; }

    std::string listPath;
    std::string ellipsoidPath;
    MemorySettingsStore settings;
    RecordingNotifier notifier;
    ScriptedPaths paths;
    ParameterStore store;
    NameList itrf;
    NameList gda;
    EllipsoidList ellipsoids;
    EllipsoidMenu menu;
    CurrentEllipsoids current;
};


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
QString timeMasked(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes).replace(QRegularExpression(QStringLiteral("File created: [^\r]*")), "");
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    // A program folder of its own for every test.
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
    }

    // A damaged file shows the reader's message and offers no save; a sound
    // one is offered and stored. The next import starts where the user went.
    void importChecksTheFileBeforeItIsStored()
    {
        Program program(*folder_);
        ParameterSet set = ParameterSet::editorFromValues(
            "ITRF2005", 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
            {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
        const std::string file = folder_->filePath(QStringLiteral("itrf2005.params")).toStdString();
        QVERIFY(writeParameterFile(file, set, program.notifier));
        program.paths.files = {{kFixtures + "bad_crc.params", 1}, {file, 1}};
        std::string importFolder = "/usr/share/tessara/sets";
        for (const char* answer : {"cancelButton", "okButton"}) {
            bool saveEnabled = false;
            OnNextModal check([&](QDialog& dialog) {
                saveEnabled = enabled(dialog, "okButton") && !shown(dialog, "setList");
                click(dialog, answer);
            });
            QCOMPARE(importParameters(nullptr, program.store, program.itrf, program.listPath,
                                      importFolder, program.services()),
                     saveEnabled);
            QVERIFY(check.acted());
            QCOMPARE(std::filesystem::exists(program.listPath), saveEnabled);
        }
        QCOMPARE(importFolder, folder_->path().toStdString());
        QCOMPARE(program.notifier.shown.size(), std::size_t{1});
    }

    // The view opens on the given set and follows the list: OK alone, a
    // note for an invalid set, sets found by their stored bytes (Latin-1
    // and UTF-8 names look alike).
    void viewFollowsTheList()
    {
        Program program(*folder_);
        ParameterSet damaged = *program.store.find("ITRF96");
        damaged.valid = false;
        program.store.store(damaged);
        const std::string names[] = {"ITRF96", "Z\xFCrich-\xE9", "Z\xC3\xBCrich-\xC3\xA9"};
        const ParameterSet& itrf97 = *program.store.find("ITRF97");
        for (int i = 1; i < 3; ++i)
            program.store.store(ParameterSet::fromValues(names[i], 1989.0 + i, itrf97.base, itrf97.rate));
        QStringList shownSets;
        OnNextModal view([&](QDialog& dialog) {
            const auto state = [&dialog] {
                return text(dialog, "heading") + (shown(dialog, "note") ? "+note" : "") +
                       (shown(dialog, "cancelButton") ? "+cancel" : "");
            };
            shownSets << state();
            auto* list = child<QComboBox>(dialog, "setList");
            for (const std::string& name : names) {
                const int row = findName(*list, name);
                list->setCurrentIndex(row);
                emit list->activated(row);
                shownSets << state();
            }
            click(dialog, "okButton");
        });
        viewParameters(nullptr, program.store, "ITRF97", program.services());
        QVERIFY(view.acted());
        const QString zurich = QString::fromUtf8("Z\u00FCrich-\u00E9");
        QCOMPARE(shownSets, (QStringList{"ITRF97 - base year 2000.00", "ITRF96 - base year 2000.00+note",
                                         zurich + " - base year 1990.00", zurich + " - base year 1991.00"}));
    }

    void exportWritesToTheChosenFolder()
    {
        Program program(*folder_);
        QTemporaryDir target;
        program.paths.files.push_back({target.path().toStdString(), 1});
        QString folders;
        OnNextModal exportDialog([&](QDialog& dialog) {
            folders = text(dialog, "folderField");
            click(dialog, "selectFolderButton");
            folders += "|" + text(dialog, "folderField");
            click(dialog, "exportButton");
        });
        exportParameters(nullptr, program.store, "/program/folder", program.services());
        QVERIFY(exportDialog.acted());
        QCOMPARE(folders, "/program/folder|" + target.path());
        QCOMPARE(QDir(target.path()).entryList(QDir::Files).size(), 4);
        QCOMPARE(program.notifier.shown.size(), std::size_t{1});
    }

    // Save follows the displayed list; only "Save changes" applies.
    void modifyListDialog()
    {
        Program program(*folder_);
        OnNextModal cancel([](QDialog& dialog) {
            click(dialog, "removeAllButton");
            click(dialog, "cancelButton");
        });
        QVERIFY(!modifyParameterList(nullptr, program.store, program.services()));
        QVERIFY(cancel.acted());
        QCOMPARE(program.store.displayedNames().size(), std::size_t{4});

        OnNextModal save([](QDialog& dialog) {
            click(dialog, "removeAllButton");
            QVERIFY(!enabled(dialog, "saveButton") && shown(dialog, "note"));
            auto* available = child<QListWidget>(dialog, "availableList");
            const QRect itrf97 = available->visualItemRect(available->item(3));
            QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, itrf97.center());
            click(dialog, "addButton");
            click(dialog, "saveButton");
        });
        QVERIFY(modifyParameterList(nullptr, program.store, program.services()));
        QVERIFY(save.acted());
        QCOMPARE(program.store.displayedNames(), std::vector<std::string>{"ITRF97"});
    }

    // The decimals typed are kept.
    void aNewEllipsoidKeepsTheDecimalsTyped()
    {
        Program program(*folder_);
        OnNextModal add([&](QDialog& dialog) {
            type(dialog, "name", QStringLiteral("Bessel 1841"));
            type(dialog, "semiMajorAxis", QStringLiteral("6377397.1555"));  // 3 decimals kept
            type(dialog, "inverseFlattening", QStringLiteral("299.1528128"));
            click(dialog, "okButton");
        });
        QVERIFY(newEllipsoid(nullptr, program.ellipsoids, program.menu, program.current.itrfToGda,
                             program.ellipsoidPath, program.services()));
        QVERIFY(add.acted());
        QCOMPARE(program.menu.names(), (std::vector<std::string>{"GRS80", "Bessel 1841"}));
        QCOMPARE(program.ellipsoids[1].semiMajorAxis, 6377397.155);
        QCOMPARE(program.ellipsoids[1].semiMajorDecimals, 3);
    }

    // One run through the dialog, compared byte for byte with the command
    // line's. Detection, relabelling and the rules for Convert are checked
    // in the core form (ConvertForm.*); here each choice reaches its widget,
    // the buttons follow, and the choices reach the run.
    void aRunMatchesTheCommandLine()
    {
        Program program(*folder_);
        const QDir folder(folder_->path());
        const std::string input = TESSARA_SOURCE_DIR "/examples/cartesian_epochs.txt";
        const QString output = folder.filePath(QStringLiteral("out.csv"));
        Settings settings = LoadSettings(program.settings, folder_->path().toStdString());
        settings.file.outputMru = folder.filePath(QStringLiteral("last.csv")).toStdString();
        int saves = 0;
        ConvertContext context{settings.file, program.store, program.ellipsoids[0], [&] {
                                   ++saves;
                                   SaveSettings(settings, program.settings);
                               }};
        ScriptedPaths& paths = program.paths;
        paths.files = {{input, 1}, {input, 1}, {folder.filePath(QStringLiteral("out")).toStdString(), 2}};
        std::unique_ptr<OnNextModal> format;
        OnNextModal convert([&](QDialog& dialog) {
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
        const ConvertCommandResult result = transformFile(nullptr, context, program.services());
        QVERIFY(convert.acted() && result.converted);
        QCOMPARE(saves, 2);
        QCOMPARE(program.settings.value(kFileSection, "OutputMRU").value_or(""), output.toStdString());
        QVERIFY(!settings.file.itrfToGda);
        QCOMPARE(program.notifier.shown.size(), std::size_t{1});  // the format dialog's help
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
        QCOMPARE(timeMasked(fromDialog), timeMasked(fileBytes(output)));

        // The run's messages reach the dialog's caller (their texts are the
        // core run's).
        QCOMPARE(result.messages.at(0), "Input - " + input);
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

    // Under a decimal-comma locale the fields show and take ",", while the
    // files keep ".". Each form keeps its file and contents when switched,
    // the window fits the form it shows, and leaving asks only while
    // something is unsaved.
    void parameterAndEllipsoidForms()
    {
        const FieldLocaleGuard germanFields;
        Editor editor;
        editor::CParameterForm& form = editor.parameters();
        // A file that shows nothing leaves the form, yet becomes current.
        editor.open(form, kFixtures + "wrong_marker.params");
        QCOMPARE(editor.notifier.shown.size(), std::size_t{1});
        QCOMPARE(text(form, "statusLine"), QString::fromStdString(kFixtures + "wrong_marker.params"));

        // A name written under an 8-bit code page is shown and saved back.
        ParameterSet set = ParameterSet::editorFromValues(
            "Z\xFCrich-\xE9", 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
            {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
        const QString original = folder_->filePath(QStringLiteral("latin1.params"));
        QVERIFY(writeParameterFile(original.toStdString(), set, editor.notifier));
        const QByteArray written = fileBytes(original);
        editor.open(form, original.toStdString());
        const QString zurich = QString::fromUtf8("Z\u00FCrich-\u00E9");
        QCOMPARE(text(form, "name") + text(form, "base0"), zurich + "-0,076100");
        click(form, "save");
        QCOMPARE(buttons(form), QStringLiteral("01"));
        QCOMPARE(fileBytes(original), written);

        // The buttons follow the fields; the change fields count only in
        // fourteen-parameter mode; the epoch takes three decimals.
        type(form, "epoch", QStringLiteral("2020,0001"));
        QCOMPARE(text(form, "epoch"), QStringLiteral("2020,000"));
        QCOMPARE(buttons(form), QStringLiteral("11"));
        child<QLineEdit>(form, "rate3")->clear();
        QCOMPARE(buttons(form), QStringLiteral("00"));
        QTest::mouseClick(child<QRadioButton>(form, "sevenParameters"), Qt::LeftButton);
        QVERIFY(!shown(form, "rate3") && !shown(form, "changeTitle"));
        QCOMPARE(buttons(form), QStringLiteral("11"));

        const QSize parameterSize = editor.frame.size();
        QVERIFY(!editor.action("itrfAction")->isEnabled());
        editor.action("ellipsoidAction")->trigger();
        editor::CEllipsoidForm& ellipsoid = *editor.frame.ellipsoidForm();
        QVERIFY(!form.isVisible() && editor.frame.height() < parameterSize.height());
        QVERIFY(editor.action("itrfAction")->isEnabled() && !editor.action("ellipsoidAction")->isEnabled());
        editor.open(ellipsoid, kFixtures + "grs80.ellipsoid");
        QCOMPARE(text(ellipsoid, "inverseFlattening"), QStringLiteral("298,257222101"));
        child<QLineEdit>(ellipsoid, "inverseFlattening")->clear();
        QCOMPARE(buttons(ellipsoid), QStringLiteral("00"));
        type(ellipsoid, "inverseFlattening", QStringLiteral("298,257222101"));
        QCOMPARE(buttons(ellipsoid), QStringLiteral("11"));
        editor.action("itrfAction")->trigger();
        QCOMPARE(text(form, "name") + text(form, "epoch"), zurich + "2020,000");

        // A cancelled choice clears the current file; Save needs one.
        editor.open(form, "");
        QCOMPARE(text(form, "statusLine"), QString());
        child<QLineEdit>(form, "name")->setText(QString(40000, QLatin1Char('n')));  // beyond a line edit's usual limit
        QCOMPARE(text(form, "name").size(), qsizetype{40000});
        QCOMPARE(buttons(form), QStringLiteral("01"));

        editor.notifier.reply = false;
        click(form, "exit");
        QVERIFY(editor.frame.isVisible());
        editor.action("ellipsoidAction")->trigger();
        QCOMPARE(editor.frame.ellipsoidForm(), &ellipsoid);  // made once, then kept
        click(ellipsoid, "exit");
        QVERIFY(editor.frame.isVisible());
        editor.action("exitAction")->trigger();  // the menu closes this form at once
        QVERIFY(!editor.frame.isVisible());
        QCOMPARE(editor.notifier.asked.size(), std::size_t{2});

        Editor unchanged;
        click(unchanged.parameters(), "exit");
        QVERIFY(!unchanged.frame.isVisible() && unchanged.notifier.asked.empty());
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

QObject* makeDialogsTest() { return new DialogsTest; }

}  // namespace tessara::testing

#include "dialogs_test.moc"
