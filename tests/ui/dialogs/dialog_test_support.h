#pragma once

// Helpers of the dialog tests: scripted file choices, acting on the next
// modal dialog within a deadline, and finding controls by name.

#include "params/dialogs/path_chooser.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace tessara::testing {

// Answers the dialogs' file questions from a script; an exhausted script
// cancels. Every question is kept for checking.
class ScriptedPaths final : public PathChooser {
public:
    std::optional<ChosenPath> chooseOpenFile(const PathQuery& query) override
    {
        asked.push_back(query);
        return next(files);
    }
    std::optional<ChosenPath> chooseSaveFile(const PathQuery& query) override
    {
        asked.push_back(query);
        return next(files);
    }
    std::optional<std::string> chooseFolder(const FolderQuery& query) override
    {
        askedFolders.push_back(query);
        if (folders.empty())
            return std::nullopt;
        std::string folder = folders.front();
        folders.pop_front();
        return folder;
    }

    std::deque<ChosenPath> files;
    std::deque<std::string> folders;
    std::vector<PathQuery> asked;
    std::vector<FolderQuery> askedFolders;

private:
    static std::optional<ChosenPath> next(std::deque<ChosenPath>& script)
    {
        if (script.empty())
            return std::nullopt;
        ChosenPath chosen = script.front();
        script.pop_front();
        return chosen;
    }
};

// Acts on the next modal dialog other than `outer` once it is open. A
// dialog that does not open within the deadline fails the test, and every
// modal dialog then open is rejected, so that nothing hangs.
class OnNextModal : public QObject {
public:
    explicit OnNextModal(std::function<void(QDialog&)> act, QWidget* outer = nullptr,
                         int deadlineMs = 10000)
        : act_(std::move(act)), outer_(outer), deadlineMs_(deadlineMs)
    {
        clock_.start();
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    bool acted() const { return acted_; }
    bool timedOut() const { return timedOut_; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog != outer_ && dialog->isVisible()) {
            timer_.stop();
            acted_ = true;
            act_(*dialog);
            return;
        }
        if (clock_.elapsed() > deadlineMs_) {
            timer_.stop();
            timedOut_ = true;
            while (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                open->reject();
        }
    }

    std::function<void(QDialog&)> act_;
    QWidget* outer_;
    int deadlineMs_;
    QElapsedTimer clock_;
    QTimer timer_;
    bool acted_ = false;
    bool timedOut_ = false;
};

template <typename T = QWidget> T* child(QWidget& parent, const char* name)
{
    return parent.findChild<T*>(QString::fromLatin1(name));
}

inline void click(QWidget& parent, const char* button)
{
    QPushButton* b = child<QPushButton>(parent, button);
    QVERIFY2(b != nullptr, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

inline QString text(QWidget& parent, const char* name)
{
    if (auto* label = child<QLabel>(parent, name))
        return label->text();
    if (auto* edit = child<QLineEdit>(parent, name))
        return edit->text();
    if (auto* list = child<QComboBox>(parent, name))
        return list->currentText();
    return QStringLiteral("<no control %1>").arg(QString::fromLatin1(name));
}

inline bool enabled(QWidget& parent, const char* name)
{
    QWidget* w = child(parent, name);
    return w != nullptr && w->isEnabled();
}

inline bool shown(QWidget& parent, const char* name)
{
    QWidget* w = child(parent, name);
    return w != nullptr && w->isVisibleTo(w->window());
}

}  // namespace tessara::testing
