#include "widgets/program_style.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QTreeView>

#include <algorithm>

namespace tessara {
namespace {

class ProgramStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QRect availableArea(const QWidget& widget)
{
    const QScreen* screen = widget.screen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

void useProgramStyle()
{
    // The style the application would use anyway, also one given by -style.
    QApplication::setStyle(new ProgramStyle(QStyleFactory::create(QApplication::style()->name())));
}

void fitFileDialog(QFileDialog& dialog)
{
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    const QFontMetrics metrics = dialog.fontMetrics();
    const QSize wanted(metrics.averageCharWidth() * 110, metrics.height() * 28);
    const QSize room = availableArea(dialog).size() * 9 / 10;
    dialog.resize(dialog.size().expandedTo(wanted).boundedTo(room));
}

void prepareMessageBox(QMessageBox& box)
{
    // The box wraps its text at a fixed width of its own; a label as wide as
    // the longest line (but no wider than most of the screen) keeps a line
    // such as a checksum message whole.
    const QRect area = availableArea(box);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        for (const QString& line : box.text().split(QLatin1Char('\n')))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        label->setMinimumWidth(std::min(widest + 2, area.width() * 2 / 3));
    }
    // Centred over the window it belongs to, and on the screen.
    box.adjustSize();
    const QWidget* parent = box.parentWidget() != nullptr ? box.parentWidget()->window() : nullptr;
    const QRect over = parent != nullptr ? parent->frameGeometry() : area;
    QRect placed(QPoint(0, 0), box.size());
    placed.moveCenter(over.center());
    placed.moveLeft(std::clamp(placed.left(), area.left(),
                               std::max(area.left(), area.left() + area.width() - placed.width())));
    placed.moveTop(std::clamp(placed.top(), area.top(),
                              std::max(area.top(), area.top() + area.height() - placed.height())));
    box.move(placed.topLeft());
}

}  // namespace tessara
