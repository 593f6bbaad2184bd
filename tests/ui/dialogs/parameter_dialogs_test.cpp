// The parameter and ellipsoid dialogs driven as the user would: scripted
// file choices, recorded messages, the real dialogs offscreen. What they
// show and store is checked in the core (ParameterView, DisplayListEdit,
// StoreImportedSet, EllipsoidEntry, ParameterExport); here the wiring.
#include "widgets/name_items.h"
#include "program/memory_settings_store.h"
#include "program/startup_loading.h"
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

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

namespace tessara::testing {
namespace {

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

    // A damaged file shows the reader's message and offers no save; a sound
    // one is offered and stored. The chooser starts in the shipped sets'
    // folder, then where the user went.
    void importChecksTheFileBeforeItIsStored()
    {
        Program program(*folder_);
        ParameterSet set = ParameterSet::editorFromValues(
            "ITRF2005", 2000.0, {-0.0761, -0.0101, 0.0444, 0.008765, 0.009361, 0.009325, 0.007935},
            {0.011, -0.0045, -0.0174, 0.001034, 0.000671, 0.001039, -0.000538});
        const std::string file = folder_->filePath(QStringLiteral("itrf2005.params")).toStdString();
        QVERIFY(writeParameterFile(file, set, program.notifier));
        program.paths.files = {{TESSARA_SOURCE_DIR "/tests/params/fixtures/bad_crc.params", 1}, {file, 1}};
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
        QCOMPARE(program.paths.asked.front().initialPath, std::string("/usr/share/tessara/sets"));
        QCOMPARE(importFolder, folder_->path().toStdString());
        QCOMPARE(program.notifier.shown.size(), std::size_t{1});
        program.start();
        QVERIFY(program.store.find("ITRF2005")->valid);
    }

    // The view opens on the given set and follows the list: an invalid set
    // is noted, sets are found by their stored bytes (Latin-1 and UTF-8
    // look alike), and a long name is cut in the middle with the whole text
    // in the tooltip.
    void viewFollowsTheList()
    {
        Program program(*folder_);
        ParameterSet damaged = *program.store.find("ITRF96");
        damaged.valid = false;
        program.store.store(damaged);
        const std::string longName = "Long" + std::string(296, 'n');
        const std::string names[] = {"ITRF96", "Z\xFCrich-\xE9", "Z\xC3\xBCrich-\xC3\xA9", longName};
        const ParameterSet& itrf97 = *program.store.find("ITRF97");
        for (int i = 1; i < 4; ++i)
            program.store.store(ParameterSet::fromValues(names[i], 1989.0 + i, itrf97.base, itrf97.rate));
        QStringList headings;
        QString longRow, longTip;
        bool noteAtStart = true, noteInvalid = false;
        int width = 0;
        OnNextModal view([&](QDialog& dialog) {
            noteAtStart = shown(dialog, "note") || shown(dialog, "cancelButton");
            headings << text(dialog, "heading");
            auto* list = child<QComboBox>(dialog, "setList");
            for (const std::string& name : names) {
                const int row = findName(*list, name);
                list->setCurrentIndex(row);
                emit list->activated(row);
                headings << text(dialog, "heading");
                if (name == names[0])
                    noteInvalid = shown(dialog, "note");
            }
            longRow = list->currentText();
            longTip = child<QLabel>(dialog, "heading")->toolTip();
            width = dialog.sizeHint().width();
            click(dialog, "okButton");
        });
        viewParameters(nullptr, program.store, "ITRF97", program.services());
        QVERIFY(view.acted());
        QVERIFY(!noteAtStart && noteInvalid);
        const QString zurich = QString::fromUtf8("Z\u00FCrich-\u00E9");
        QCOMPARE(headings.mid(0, 4), (QStringList{"ITRF97 - base year 2000.00", "ITRF96 - base year 2000.00",
                                                  zurich + " - base year 1990.00", zurich + " - base year 1991.00"}));
        QVERIFY(longRow.size() < 100 && longRow.startsWith("Long") && longRow.contains(QChar(0x2026)));
        QVERIFY2(headings[4].size() < 100 && headings[4].endsWith(" - base year 1992.00"), qPrintable(headings[4]));
        QCOMPARE(longTip, QString::fromStdString(longName) + " - base year 1992.00");
        QVERIFY2(width < 800, qPrintable(QString::number(width)));
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

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

QObject* makeParameterDialogsTest() { return new ParameterDialogsTest; }

}  // namespace tessara::testing

#include "parameter_dialogs_test.moc"
