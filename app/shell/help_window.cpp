#include "app/shell/help_window.h"

#include "widgets/program_icon.h"
#include "widgets/text_conversion.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tessara {

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Tessara Help"));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    // Help open on its own does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    browser_ = new QTextBrowser;
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(720, 600);
}

bool CHelpWindow::showPage(const QString& path)
{
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly))
        return false;
    browser_->setSource(QUrl::fromLocalFile(path));
    return true;
}

QtHelpViewer::~QtHelpViewer() { delete window_; }

bool QtHelpViewer::showTopic(const std::string& helpPath, int /*topic*/)
{
    // The page is one document; its first page is the topic asked for.
    lastError_.reset();
    if (window_ == nullptr)
        window_ = new CHelpWindow;
    if (!window_->showPage(toQString(helpPath))) {
        lastError_ = "The help file could not be opened.";
        window_->close();
        return false;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

std::optional<std::string> QtHelpViewer::lastError() { return lastError_; }

}  // namespace tessara
