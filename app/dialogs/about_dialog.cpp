#include "app/dialogs/about_dialog.h"

#include "widgets/program_icon.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace tessara {

CAboutDialog::CAboutDialog(const QString& versionText, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Tessara"));
    auto* icon = new QLabel;
    icon->setPixmap(programIcon().pixmap(48, 48));
    auto* name = new QLabel(QStringLiteral("Tessara - ITRF to GDA94 coordinate transformation"));
    auto* version = new QLabel(versionText);
    version->setObjectName(QStringLiteral("versionLine"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setHorizontalSpacing(16);
}

}  // namespace tessara
