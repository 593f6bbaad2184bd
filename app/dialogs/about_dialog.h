#pragma once

#include <QDialog>

namespace tessara {

// "About Tessara": the program's icon, name and version, and OK. It keeps
// the system's font, unlike the program's own dialogs.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(const QString& versionText, QWidget* parent = nullptr);
};

}  // namespace tessara
