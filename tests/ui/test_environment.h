#pragma once

// What every widget test shares: a private home for the process, a laptop
// screen for windows that fit themselves to it, and acting on the next
// modal dialog within a deadline.
#include "widgets/numeric_edit.h"

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace tessara::testing {

// The locale the numeric fields follow, German (decimal comma) until the
// guard ends; then the C locale again.
class FieldLocaleGuard {
public:
    FieldLocaleGuard() { use(QLocale(QLocale::German, QLocale::Germany)); }
    ~FieldLocaleGuard() { use(QLocale::c()); }
    FieldLocaleGuard(const FieldLocaleGuard&) = delete;
    FieldLocaleGuard& operator=(const FieldLocaleGuard&) = delete;

private:
    static void use(const QLocale& locale)
    {
        QLocale::setDefault(locale);
        CNumericEdit::reloadLocaleSymbols();
    }
};

// Before the application object: offscreen unless told otherwise, and every
// per-user folder and the settings store in one temporary folder of the
// process, never the user's own.
inline bool prepareTestEnvironment(const QTemporaryDir& home)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!home.isValid())
        return false;
    const QByteArray path = QFile::encodeName(home.path());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, path);
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    return true;
}

// The offscreen platform's own screen is 800 x 800. Windows that fit
// themselves to the screen are tested on a common laptop screen instead
// (1366 x 768), unless another platform was asked for.
inline void useLaptopScreen(const QTemporaryDir& home)
{
    QFile config(home.filePath(QStringLiteral("screen.json")));
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || !config.open(QIODevice::WriteOnly))
        return;
    config.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,)"
                 R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
}

// Acts on the next modal dialog other than `outer` once it is open. A
// dialog that does not open within the deadline fails the test, and every
// modal dialog then open is rejected, so that nothing hangs.
class OnNextModal : public QObject {
public:
    explicit OnNextModal(std::function<void(QDialog&)> act, QWidget* outer = nullptr,
                         int deadlineMs = 10000)
    {
        clock_.start();
        timer_.callOnTimeout(this, [this, act = std::move(act), outer, deadlineMs] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && dialog != outer && dialog->isVisible()) {
                timer_.stop();
                acted_ = true;
                act(*dialog);
            } else if (clock_.elapsed() > deadlineMs) {
                timer_.stop();
                while (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    open->reject();
            }
        });
        timer_.start(10);
    }

    bool acted() const { return acted_; }

private:
    QElapsedTimer clock_;
    QTimer timer_;
    bool acted_ = false;
};

}  // namespace tessara::testing
