#pragma once

#include <QDialog>

#include <string>

QT_BEGIN_NAMESPACE
class QLineEdit;
QT_END_NAMESPACE

namespace tessara {

class PathChooser;

// "Export parameter files": the folder the export files go to, shown
// read-only and changed only through the folder browser.
class CExportDialog : public QDialog {
    Q_OBJECT

public:
    CExportDialog(std::string folder, PathChooser& chooser, QWidget* parent = nullptr);

    std::string folder() const { return folder_; }

private:
    void selectFolder();

    PathChooser& chooser_;
    std::string folder_;
    QLineEdit* field_ = nullptr;
};

}  // namespace tessara
