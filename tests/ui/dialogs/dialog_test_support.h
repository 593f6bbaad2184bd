#pragma once

// Scripted file choices for the dialogs and the editor, and finding controls
// by name.
#include "editor/ui/file_chooser.h"
#include "params/dialogs/path_chooser.h"
#include "tests/ui/test_environment.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tessara::testing {

// Answers the file questions of the dialogs and of the editor's forms from
// one script; an exhausted script cancels. Every question is kept.
class ScriptedPaths final : public PathChooser, public editor::FileChooser {
public:
    std::optional<ChosenPath> chooseOpenFile(const PathQuery& query) override
    {
        asked.push_back(query);
        return next();
    }
    std::optional<ChosenPath> chooseSaveFile(const PathQuery& query) override
    {
        asked.push_back(query);
        return next();
    }
    std::optional<std::string> chooseFolder(const FolderQuery& query) override
    {
        asked.push_back({query.title, {}, query.initialFolder});
        const std::optional<ChosenPath> chosen = next();
        return chosen ? std::optional(chosen->path) : std::nullopt;
    }
    QString chooseFileToOpen(QWidget*, const editor::FileKind&) override { return nextName(); }
    QString chooseFileToSave(QWidget*, const editor::FileKind&) override { return nextName(); }

    std::deque<ChosenPath> files;
    std::vector<PathQuery> asked;

private:
    std::optional<ChosenPath> next()
    {
        if (files.empty())
            return std::nullopt;
        ChosenPath chosen = files.front();
        files.pop_front();
        return chosen;
    }
    QString nextName()
    {
        const std::optional<ChosenPath> chosen = next();
        return chosen ? QFile::decodeName(chosen->path.c_str()) : QString();
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

// Replaces a field's text key by key, through any filter of the field.
inline void type(QWidget& parent, const char* field, const QString& typed)
{
    QLineEdit* edit = child<QLineEdit>(parent, field);
    QVERIFY2(edit != nullptr, field);
    edit->clear();
    QTest::keyClicks(edit, typed);
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace tessara::testing
