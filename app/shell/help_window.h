#pragma once

#include "interactive/help_routine.h"

#include <QPointer>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QTextBrowser;
QT_END_NAMESPACE

namespace tessara {

// The help window: the HTML help page in a browser with its links.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget* parent = nullptr);
    // Loads a page; false when the file cannot be read.
    bool showPage(const QString& path);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

// The help viewer of the program: one help window, made on first use and
// brought to the front on every later one.
class QtHelpViewer final : public HelpViewer {
public:
    QtHelpViewer() = default;
    QtHelpViewer(const QtHelpViewer&) = delete;
    QtHelpViewer& operator=(const QtHelpViewer&) = delete;
    ~QtHelpViewer() override;

    bool showTopic(const std::string& helpPath, int topic) override;
    std::optional<std::string> lastError() override;
    CHelpWindow* window() const { return window_.data(); }

private:
    QPointer<CHelpWindow> window_;
    std::optional<std::string> lastError_;
};

}  // namespace tessara
