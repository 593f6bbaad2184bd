#pragma once

#include "interactive/form_services.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QLineEdit;
QT_END_NAMESPACE

namespace tessara {

// "Log file options": the name of the log file and whether it is asked for,
// and kept, at every start. "Select file" picks the name with a save dialog.
class CLogFileOptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit CLogFileOptionsDialog(FileChooser& files, QWidget* parent = nullptr);

    void setValue(const LogOptions& options);
    LogOptions value() const;

private:
    void selectFile();

    FileChooser& files_;
    QLineEdit* name_ = nullptr;
    QCheckBox* prompt_ = nullptr;
    QCheckBox* append_ = nullptr;
};

}  // namespace tessara
