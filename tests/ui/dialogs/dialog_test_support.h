#pragma once

// Helpers of the dialog tests: scripted file choices, acting on the next
// modal dialog within a deadline, and finding controls by name.

#include "params/dialogs/path_chooser.h"
#include "tests/ui/next_modal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <deque>
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
