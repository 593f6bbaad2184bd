#include "interactive/ui/message_panel.h"

#include "widgets/text_conversion.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessara {
namespace {

// Lines the list asks room for: what the window's first size shows.
constexpr int kRowsAsked = 8;

// The message list, asking for room for a number of lines.
class MessageList final : public QListWidget {
public:
    QSize sizeHint() const override
    {
        // A row is the font's height and the item's margins (as the style
        // draws a one-line item).
        const int row = count() > 0 ? sizeHintForRow(0) : fontMetrics().height() + 2;
        return {QListWidget::sizeHint().width(), kRowsAsked * row + 2 * frameWidth()};
    }
};

}  // namespace

MessagePanel::MessagePanel(QWidget* parent) : QWidget(parent)
{
    list_ = new MessageList;
    list_->setObjectName(QStringLiteral("messageList"));
    list_->setMinimumHeight(list_->fontMetrics().height() * 4);
    clear_ = new QPushButton(QStringLiteral("Clear messages"));
    clear_->setObjectName(QStringLiteral("clearMessages"));
    save_ = new QPushButton(QStringLiteral("Save Messages"));
    save_->setObjectName(QStringLiteral("saveMessages"));
    connect(clear_, &QPushButton::clicked, this, &MessagePanel::clearClicked);
    connect(save_, &QPushButton::clicked, this, &MessagePanel::saveClicked);
    // Selecting a line opens the file it names; the form rewrites the list
    // with this signal blocked.
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit lineChosen(row);
    });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit lineChosen(list_->row(item)); });

    // The two buttons stand above and below the list's middle, half a
    // button's height apart.
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clear_);
    buttons->addSpacing(clear_->sizeHint().height() / 2);
    buttons->addWidget(save_);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(list_, 1);

    // Hidden, the area keeps its place so the form does not jump.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    policy.setVerticalPolicy(QSizePolicy::Expanding);
    setSizePolicy(policy);
}

void MessagePanel::showMessages(const std::vector<std::string>& lines, bool shown)
{
    QStringList texts;
    for (const std::string& line : lines)
        texts << toQString(line);
    QStringList current;
    for (int row = 0; row < list_->count(); ++row)
        current << list_->item(row)->text();
    setVisible(shown);
    if (current != texts) {
        const QSignalBlocker quiet(list_);
        list_->clear();
        list_->addItems(texts);
        // The newest line is the one to read: a run's result or its errors.
        list_->scrollToBottom();
    }
}

}  // namespace tessara
