#include "program/display_list.h"
#include "program/settings.h"
#include "widgets/qsettings_store.h"
#include "tests/program/settings_scenarios.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <memory>

namespace tessara {
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
    QString path(int generation) const
    {
        return folder_ + QStringLiteral("/start%1.ini").arg(generation);
    }

    QString folder_;
    int generation_ = 0;
    std::unique_ptr<QSettingsStore> store_;
};

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void scenarios_data()
    {
        QTest::addColumn<int>("index");
        int index = 0;
        for (const test::SettingsScenario& scenario : test::settingsScenarios())
            QTest::newRow(scenario.name) << index++;
    }

    void scenarios()
    {
        QFETCH(int, index);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        FileOpener opener(folder.path());
        const std::vector<std::string> failures =
            test::settingsScenarios()[static_cast<std::size_t>(index)].run(opener);
        std::string report;
        for (const std::string& failure : failures)
            report += failure + "\n";
        QVERIFY2(failures.empty(), report.c_str());
    }

    // The program's own store lives under Kalmora / Tessara in the user's
    // configuration folder.
    void programStoreIsKalmoraTessara()
    {
        {
            QSettingsStore store;
            Settings settings;
            settings.window.fontSize = 12;
            SaveSettings(settings, store);
        }
        const QString file = QDir(configFolder()).filePath(QStringLiteral("Kalmora/Tessara.conf"));
        QVERIFY2(QFile::exists(file), qPrintable(file));
        QSettingsStore again;
        QCOMPARE(again.readInteger(kWindowSection, "FontSize", 0), 12);
        const std::string style = again.readString(kFileSection, "LatLongOutputHemisphere", "");
        QCOMPARE(QString::fromStdString(style), QStringLiteral("AUST"));
    }

    // Names are 8-bit texts; one that is no text of the local encoding (a
    // name written in another code page) comes back byte for byte.
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

public:
    static QString configFolder() { return QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME")); }
};

}  // namespace tessara

int main(int argc, char* argv[])
{
    // One private folder for the whole run, so the user's own settings are
    // never touched.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QByteArray path = home.path().toLocal8Bit();
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        ::setenv(variable, path.constData(), 1);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());

    QCoreApplication app(argc, argv);
    tessara::SettingsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "settings_store_test.moc"
