#pragma once

#include <QtGlobal>

#include <optional>
#include <string>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// How the parameter, ellipsoid and file-run dialogs ask for files and
// folders. The program answers with Qt's file dialogs; tests answer from a
// script, so the flows behind the dialogs run without any window.
namespace tessara {

// A file dialog. The filter is in the system's own notation: pairs of
// description and pattern, each followed by "|", the list ended by a second
// "|" ("Parameter files (*.params)|*.params||"). Entries count from 1.
struct PathQuery {
    std::string title;
    std::string filter;
    std::string initialPath;  // file or folder the dialog starts at
    int filterEntry = 1;      // the entry shown first
};

struct ChosenPath {
    std::string path;
    int filterEntry = 1;  // the entry in use when the dialog closed
};

struct FolderQuery {
    std::string title;
    std::string initialFolder;
};

class PathChooser {
public:
    virtual ~PathChooser() = default;
    // An existing file in an existing folder; nothing when the user cancels.
    virtual std::optional<ChosenPath> chooseOpenFile(const PathQuery& query) = 0;
    // A file to write in an existing folder; an existing file is taken only
    // after the user agreed to replace it. A name typed without an extension
    // gets the one of the filter entry in use (none for "*.*") before that
    // question is asked.
    virtual std::optional<ChosenPath> chooseSaveFile(const PathQuery& query) = 0;
    // An existing folder of the file system.
    virtual std::optional<std::string> chooseFolder(const FolderQuery& query) = 0;
};

// Qt's own file dialogs (the same on every desktop), over a parent window.
class QtPathChooser final : public PathChooser {
public:
    explicit QtPathChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<ChosenPath> chooseOpenFile(const PathQuery& query) override;
    std::optional<ChosenPath> chooseSaveFile(const PathQuery& query) override;
    std::optional<std::string> chooseFolder(const FolderQuery& query) override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace tessara
