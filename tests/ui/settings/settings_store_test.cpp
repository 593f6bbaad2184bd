// The Qt settings store over a real settings file, with the settings cases
// that the in-memory store passes in the core tests.
#include "program/display_list.h"
#include "program/settings.h"
#include "widgets/qsettings_store.h"
#include "tests/program/settings_scenarios.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tessara::testing {
namespace {

// Every restart writes the file, copies it under a new name and opens the
// copy, so each start parses the file afresh instead of reusing what the
// process still holds in memory.
class FileOpener final : public test::StoreOpener {
public:
    explicit FileOpener(QString folder) : folder_(std::move(folder)) {}

    SettingsStore& reopen() override
    {
        store_.reset();
        const QString previous = path(generation_);
        const QString next = path(++generation_);
        if (QFile::exists(previous))
            QFile::copy(previous, next);
        store_ = std::make_unique<QSettingsStore>(
            std::make_unique<QSettings>(next, QSettings::IniFormat));
        return *store_;
    }

private:
    QString path(int generation) const { return folder_ + QStringLiteral("/start%1.ini").arg(generation); }

    QString folder_;
    int generation_ = 0;
    std::unique_ptr<QSettingsStore> store_;
};

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void scenarios()
    {
        for (const test::SettingsScenario& scenario : test::settingsScenarios()) {
            QTemporaryDir folder;
            FileOpener opener(folder.path());
            std::string report;
            for (const std::string& failure : scenario.run(opener))
                report += failure + "\n";
            QVERIFY2(report.empty(), (std::string(scenario.name) + ": " + report).c_str());
        }
    }

    // The program's own store lives under Kalmora / Tessara in the user's
    // configuration folder.
    void programStoreIsKalmoraTessara()
    {
        QSettingsStore().writeInteger(kWindowSection, "FontSize", 12);
        const QString file = QDir(qEnvironmentVariable("XDG_CONFIG_HOME"))
                                 .filePath(QStringLiteral("Kalmora/Tessara.conf"));
        QVERIFY2(QFile::exists(file), qPrintable(file));
        QSettings(QStringLiteral("Kalmora"), QStringLiteral("Tessara")).clear();
    }

    // A name that is no text of the local encoding (written in another code
    // page) comes back byte for byte.
    void eightBitNamesKeepTheirBytes()
    {
        QTemporaryDir folder;
        FileOpener opener(folder.path());
        const std::string name = "R\xE9seau \xB0";
        opener.reopen().writeString(kParameterListSection, "Param0", name + "=false");
        opener.reopen().writeString(kItrfToGdaSection, "Ellipsoid", "Ellipsoid \xC3\xA9");
        SettingsStore& store = opener.reopen();
        QVERIFY(store.readString(kParameterListSection, "Param0", "") == name + "=false");
        QVERIFY(store.readString(kItrfToGdaSection, "Ellipsoid", "") == "Ellipsoid \xC3\xA9");
    }
};

QObject* makeSettingsStoreTest() { return new SettingsStoreTest; }

}  // namespace tessara::testing

#include "settings_store_test.moc"
