#pragma once

#include <QWidget>

#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
class QListWidget;
class QPushButton;
QT_END_NAMESPACE

namespace tessara {

// The message list of the main form with its buttons "Clear messages" and
// "Save Messages" beside it, centred on the list's middle. The list grows
// with the window.
class MessagePanel : public QWidget {
    Q_OBJECT

public:
    explicit MessagePanel(QWidget* parent = nullptr);

    void showMessages(const std::vector<std::string>& lines, bool shown);
    QListWidget* list() const { return list_; }

signals:
    void clearClicked();
    void saveClicked();
    // The user selected or double-clicked a line.
    void lineChosen(int line);

private:
    QListWidget* list_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace tessara
