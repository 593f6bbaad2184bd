// The parameter and ellipsoid dialogs, driven as the user would: scripted
// file choices, recorded messages, the real dialogs offscreen.
#include "widgets/name_items.h"
#include "widgets/numeric_edit.h"
#include "program/memory_settings_store.h"
#include "program/startup_loading.h"
#include "params/dialogs/ellipsoid_dialog.h"
#include "params/dialogs/modify_list_dialog.h"
#include "params/dialogs/parameter_commands.h"
#include "params/ellipsoid_list.h"
#include "params/ellipsoid_menu.h"
#include "params/name_list.h"
#include "params/parameter_export.h"
#include "params/parameter_file.h"
#include "params/parameter_store.h"
#include "tests/support/recording_notifier.h"
#include "tests/ui/dialogs/dialog_test_support.h"

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

namespace tessara::testing {
namespace {

const std::string kFixtures = TESSARA_SOURCE_DIR "/tests/params/fixtures/";

// The data of the main form that the commands use, loaded as at start-up
// from the list files of a program folder of its own.
struct Program {
    explicit Program(const QTemporaryDir& folder)
        : listPath(QDir(folder.path()).filePath(QStringLiteral("params.tessara")).toStdString()),
          ellipsoidPath(
              QDir(folder.path()).filePath(QStringLiteral("ellipsoids.tessara")).toStdString())
    {
        start();
    }

    // A start of the program: everything rebuilt from the built-in records
    // and the list files.
    void start()
    {
        itrf.clear();
        gda.clear();
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

std::vector<std::string> texts(const RecordingNotifier& notifier)
{
    std::vector<std::string> out;
    for (const RecordingNotifier::Shown& s : notifier.shown)
        out.push_back(s.text);
    return out;
}

QStringList valueTexts(QDialog& dialog)
{
    QStringList values;
    for (int row = 0; row < 7; ++row) {
        values << text(dialog, QStringLiteral("base%1").arg(row).toLatin1().constData());
        values << text(dialog, QStringLiteral("rate%1").arg(row).toLatin1().constData());
    }
    return values;
}

void typeInto(QWidget& dialog, const char* field, const QString& typed)
{
    QLineEdit* edit = child<QLineEdit>(dialog, field);
    QVERIFY(edit != nullptr);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
}

}  // namespace

class ParameterDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // A program folder of its own for every test.
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
    }

    void importOfAnEditorFileIsCheckedThenStored()
    {
        Program program(*folder_);
        ParameterSet set = ParameterSet::editorFromValues(
            "ITRF2005", 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
            {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
        const std::string file = folder_->filePath(QStringLiteral("itrf2005.params")).toStdString();
        QVERIFY(writeParameterFile(file, set, program.notifier));
        program.paths.files.push_back({file, 1});

        QString caption, hint, note, saveText;
        bool listShown = true, cancelDefault = false, saveEnabled = false;
        OnNextModal check([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            listShown = shown(dialog, "setList");
            hint = text(dialog, "saveHint");
            note = text(dialog, "note");
            saveText = child<QPushButton>(dialog, "okButton")->text();
            saveEnabled = enabled(dialog, "okButton");
            cancelDefault = child<QPushButton>(dialog, "cancelButton")->isDefault();
            click(dialog, "okButton");
        });
        std::string importFolder = "/usr/share/tessara/sets";
        QVERIFY(importParameters(nullptr, program.store, program.itrf, program.listPath,
                                 importFolder, program.services()));
        QVERIFY(check.acted());
        QCOMPARE(program.paths.asked.front().title, std::string("Select parameter file to import"));
        // The chooser starts in the shipped sets' folder, then where the user went.
        QCOMPARE(program.paths.asked.front().initialPath, std::string("/usr/share/tessara/sets"));
        QVERIFY(!importParameters(nullptr, program.store, program.itrf, program.listPath,
                                  importFolder, program.services()));
        QCOMPARE(program.paths.asked.back().initialPath, folder_->path().toStdString());
        QCOMPARE(program.paths.asked.front().filter,
                 std::string("Parameter files (*.params)|*.params||"));
        QCOMPARE(caption, QStringLiteral("Check ITRF Parameters"));
        QVERIFY(!listShown);
        QCOMPARE(hint, QStringLiteral(
                           "Click on Save to save this set.\nClick on Cancel to reject this set."));
        QCOMPARE(note, QStringLiteral("Check the values of the parameters."));
        QCOMPARE(saveText, QStringLiteral("Save"));
        QVERIFY(saveEnabled && cancelDefault);
        QVERIFY(program.notifier.shown.empty());
        // How the name joins the list and the file is checked in the core.
        program.start();
        QVERIFY(program.store.find("ITRF2005")->valid);
    }

    void aDamagedFileShowsTheMessagesAndOffersNoSave_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("missing");
        QTest::newRow("wrong marker") << QStringLiteral("wrong_marker.params")
            << QStringList{"Parameters file is incorrect",
                           "Error - Parameters for  are incorrect - checksum does not match"}
            << 14;
        QTest::newRow("wrong checksum") << QStringLiteral("bad_crc.params")
            << QStringList{"Error - Parameters for ITRF2000 are incorrect - checksum does not match"}
            << 0;
    }

    void aDamagedFileShowsTheMessagesAndOffersNoSave()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, messages);
        QFETCH(int, missing);
        Program program(*folder_);
        program.paths.files.push_back({kFixtures + fixture.toStdString(), 1});
        QString top, note;
        QStringList values;
        bool saveEnabled = true;
        OnNextModal check([&](QDialog& dialog) {
            top = text(dialog, "topText");
            note = text(dialog, "note");
            values = valueTexts(dialog);
            saveEnabled = enabled(dialog, "okButton");
            click(dialog, "cancelButton");
        });
        std::string importFolder;
        QVERIFY(!importParameters(nullptr, program.store, program.itrf, program.listPath,
                                  importFolder, program.services()));
        QVERIFY(check.acted());
        QStringList shownMessages;
        for (const std::string& m : texts(program.notifier))
            shownMessages << QString::fromStdString(m);
        QCOMPARE(shownMessages, messages);
        QCOMPARE(top, QStringLiteral("These are the parameters imported from the file.\n"
                                     "WARNING - this file is not valid."));
        QCOMPARE(note, QStringLiteral("Check the values of the parameters.\n"
                                      "Calculated and stored checksums do not match."));
        QCOMPARE(static_cast<int>(values.count(QStringLiteral("MISSING"))), missing);
        QVERIFY(!saveEnabled);
        QCOMPARE(program.store.size(), std::size_t{4});
        QVERIFY(!std::filesystem::exists(program.listPath));
    }

    void viewOpensOnTheSelectedSetAndMarksAnInvalidOne()
    {
        Program program(*folder_);
        ParameterSet damaged = *program.store.find("ITRF96");
        damaged.rate[2] = kUnsetValue;
        damaged.valid = false;
        program.store.store(damaged);
        QString heading, noteBefore, noteAfter, valueAfter;
        bool noteShownBefore = true, noteShownAfter = false, cancelShown = true;
        OnNextModal view([&](QDialog& dialog) {
            heading = text(dialog, "heading");
            noteShownBefore = shown(dialog, "note");
            cancelShown = shown(dialog, "cancelButton");
            auto* list = child<QComboBox>(dialog, "setList");
            const int itrf96 = list->findText(QStringLiteral("ITRF96"));
            list->setCurrentIndex(itrf96);
            emit list->activated(itrf96);
            noteShownAfter = shown(dialog, "note");
            noteAfter = text(dialog, "note");
            valueAfter = text(dialog, "rate2");
            click(dialog, "okButton");
        });
        viewParameters(nullptr, program.store, "ITRF97", program.services());
        QVERIFY(view.acted());
        QCOMPARE(heading, QStringLiteral("ITRF97 - base year 2000.00"));
        QVERIFY(!noteShownBefore && !cancelShown);
        QVERIFY(noteShownAfter);
        QCOMPARE(noteAfter, QStringLiteral("These parameters are not valid.\n"
                                           "Calculated and stored checksums do not match."));
        QCOMPARE(valueAfter, QStringLiteral("MISSING"));
    }

    void viewFindsSetsByTheirStoredBytesAndCutsALongName()
    {
        Program program(*folder_);
        // Two sets that look alike: "Zürich-é" in Latin-1 and in UTF-8.
        const std::string latin1 = "Z\xFCrich-\xE9";
        const std::string utf8 = "Z\xC3\xBCrich-\xC3\xA9";
        const std::string longName = "Long" + std::string(296, 'n');
        const ParameterSet& itrf97 = *program.store.find("ITRF97");
        const std::pair<std::string, double> added[] = {
            {latin1, 1990.0}, {utf8, 1991.0}, {longName, 1992.0}};
        for (const auto& [name, epoch] : added)
            program.store.store(ParameterSet::fromValues(name, epoch, itrf97.base, itrf97.rate));

        QStringList rows, headings;
        QString longRow, longRowTip, longHeadingTip;
        int width = 0;
        OnNextModal view([&](QDialog& dialog) {
            auto* list = child<QComboBox>(dialog, "setList");
            for (const auto& [name, epoch] : added) {
                const int row = findName(*list, name);
                list->setCurrentIndex(row);
                emit list->activated(row);
                rows << list->itemText(row);
                headings << text(dialog, "heading");
            }
            longRow = list->currentText();
            longRowTip = list->itemData(list->currentIndex(), Qt::ToolTipRole).toString();
            longHeadingTip = child<QLabel>(dialog, "heading")->toolTip();
            width = dialog.sizeHint().width();
            click(dialog, "okButton");
        });
        viewParameters(nullptr, program.store, latin1, program.services());
        QVERIFY(view.acted());
        const QString zurich = QString::fromUtf8("Z\u00FCrich-\u00E9");
        const QString longText = QString::fromStdString(longName);
        QCOMPARE(rows.mid(0, 2), (QStringList{zurich, zurich}));
        QCOMPARE(headings.mid(0, 2), (QStringList{zurich + " - base year 1990.00",
                                                  zurich + " - base year 1991.00"}));
        // The long name is cut in the middle in the list and the heading, the
        // base year stays, and the whole text is in the tooltips.
        QVERIFY(longRow.size() < 100 && longRow.startsWith("Long") && longRow.contains(QChar(0x2026)));
        QCOMPARE(longRowTip, longText);
        QVERIFY2(headings[2].size() < 100 && headings[2].endsWith(" - base year 1992.00"), qPrintable(headings[2]));
        QCOMPARE(longHeadingTip, longText + " - base year 1992.00");
        QVERIFY2(width < 800, qPrintable(QString::number(width)));
    }

    void exportOfTheFourBuiltInSetsWritesFourFilesAndSaysSo()
    {
        Program program(*folder_);
        QTemporaryDir target;
        program.paths.files.push_back({target.path().toStdString(), 1});
        QString shownFolder;
        OnNextModal exportDialog([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Export parameter files"));
            QCOMPARE(text(dialog, "folderField"), QStringLiteral("/program/folder"));
            click(dialog, "selectFolderButton");
            shownFolder = text(dialog, "folderField");
            click(dialog, "exportButton");
        });
        exportParameters(nullptr, program.store, "/program/folder", program.services());
        QVERIFY(exportDialog.acted());
        QCOMPARE(program.paths.asked.front().title,
                 std::string("Select folder for export files"));
        QCOMPARE(shownFolder, target.path());
        QCOMPARE(QDir(target.path()).entryList(QDir::Files),
                 (QStringList{"ITRF2000(IGS).txt", "ITRF2000.txt", "ITRF96.txt", "ITRF97.txt"}));
        QCOMPARE(program.notifier.shown.size(), std::size_t{1});
        QCOMPARE(program.notifier.shown.front().caption, std::string("Export parameters"));
        QCOMPARE(program.notifier.shown.front().text,
                 "Exported 4 sets of parameters to separate files\nto " +
                     target.path().toStdString());
    }

    // The buttons after each step are checked in the core list edit; here
    // the note, a choice by mouse, and that only "Save changes" applies.
    void modifyListDialog()
    {
        Program program(*folder_);
        OnNextModal cancel([](QDialog& dialog) {
            click(dialog, "removeAllButton");
            QVERIFY(!enabled(dialog, "saveButton") && shown(dialog, "note"));
            QCOMPARE(text(dialog, "note"),
                     QStringLiteral("You must have at least one set in the Displayed list"));
            click(dialog, "cancelButton");
        });
        QVERIFY(!modifyParameterList(nullptr, program.store, program.services()));
        QVERIFY(cancel.acted());
        QCOMPARE(program.store.displayedNames().size(), std::size_t{4});

        OnNextModal save([](QDialog& dialog) {
            click(dialog, "removeAllButton");
            auto* available = child<QListWidget>(dialog, "availableList");
            const QRect itrf97 = available->visualItemRect(available->item(3));
            QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, itrf97.center());
            click(dialog, "addButton");
            QVERIFY(enabled(dialog, "saveButton") && !shown(dialog, "note"));
            click(dialog, "saveButton");
        });
        QVERIFY(modifyParameterList(nullptr, program.store, program.services()));
        QVERIFY(save.acted());
        QCOMPARE(program.store.displayedNames(), std::vector<std::string>{"ITRF97"});
    }

    void aNewEllipsoidKeepsTheDecimalsTheFieldsTook()
    {
        Program program(*folder_);
        QString caption;
        bool numbersBefore = true, saveBefore = true, numbersAfter = false, saveAfter = false;
        OnNextModal add([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            numbersBefore = enabled(dialog, "semiMajorAxis");
            saveBefore = enabled(dialog, "okButton");
            typeInto(dialog, "name", QStringLiteral("Bessel 1841"));
            numbersAfter = enabled(dialog, "semiMajorAxis") && enabled(dialog, "inverseFlattening");
            typeInto(dialog, "semiMajorAxis", QStringLiteral("6377397.1555"));  // 3 decimals kept
            typeInto(dialog, "inverseFlattening", QStringLiteral("299.1528128"));
            saveAfter = enabled(dialog, "okButton");
            click(dialog, "okButton");
        });
        QVERIFY(newEllipsoid(nullptr, program.ellipsoids, program.menu, program.current.itrfToGda,
                             program.ellipsoidPath, program.services()));
        QVERIFY(add.acted());
        QCOMPARE(caption, QStringLiteral("Add new ellipsoid"));
        QVERIFY(!numbersBefore && !saveBefore);
        QVERIFY(numbersAfter && saveAfter);
        QCOMPARE(program.menu.names(), (std::vector<std::string>{"GRS80", "Bessel 1841"}));
        QCOMPARE(program.ellipsoids[1].semiMajorAxis, 6377397.155);
        QCOMPARE(program.ellipsoids[1].semiMajorDecimals, 3);
        QCOMPARE(program.ellipsoids[1].flatteningDecimals, 7);
        QVERIFY(program.notifier.shown.empty());
    }

    void ellipsoidImportRefusesTheBuiltInName()
    {
        Program program(*folder_);
        program.paths.files.push_back({kFixtures + "grs80.ellipsoid", 1});
        QVERIFY(!importEllipsoid(nullptr, program.ellipsoids, program.menu, program.ellipsoidPath,
                                 program.services()));
        QCOMPARE(
            texts(program.notifier),
            std::vector<std::string>{"You cannot replace the parameters for ellipsoid - GRS80"});
        QCOMPARE(program.paths.asked.front().title, std::string("Select ellipsoid file to import"));
        QCOMPARE(program.menu.names(), std::vector<std::string>{"GRS80"});
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

QObject* makeParameterDialogsTest() { return new ParameterDialogsTest; }

}  // namespace tessara::testing

#include "parameter_dialogs_test.moc"
