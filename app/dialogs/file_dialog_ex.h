#pragma once

#include <QFileDialog>

#include <string_view>

QT_BEGIN_NAMESPACE
class QCheckBox;
QT_END_NAMESPACE

namespace tessara {

// Qt's name filters from a filter in the system's own notation: pairs of
// description and pattern separated by "|" and ended by "||"
// ("Log files (*.log)|*.log||" gives "Log files (*.log)").
QStringList qtNameFilters(std::string_view systemFilter);

// The program's file dialog: Qt's own dialog (so that it looks the same on
// every desktop), opening or saving, with a default extension and an
// initial file; a save dialog may carry the box "Append to existing file"
// below the file-type list.
class CFileDialogEx : public QFileDialog {
    Q_OBJECT

public:
    enum class Mode { Open, Save };

    CFileDialogEx(Mode mode, const QString& defaultExtension, const QString& initialPath,
                  std::string_view systemFilter, QWidget* parent = nullptr);

    // Adds the box, ticked when `append` is set.
    void showAppendOption(bool append);
    // Whether the box was ticked when the dialog closed (false without it).
    bool append() const;

public slots:
    // With "Append to existing file" ticked an existing file is kept, so the
    // dialog does not ask whether to replace it.
    void accept() override;

private:
    QCheckBox* appendBox_ = nullptr;
};

}  // namespace tessara
