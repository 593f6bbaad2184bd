#include "widgets/labels.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QString>

namespace tessara {

QLabel* boldLabel(const QString& text)
{
    auto* label = new QLabel(text);
    setBold(*label);
    return label;
}

void setBold(QWidget& widget, bool bold)
{
    QFont font = widget.font();
    font.setBold(bold);
    widget.setFont(font);
}

void makeRedNote(QLabel& label)
{
    QPalette palette = label.palette();
    const bool darkWindow = palette.color(QPalette::Window).lightness() < 128;
    palette.setColor(QPalette::WindowText, darkWindow ? QColor(255, 110, 110) : QColor(255, 0, 0));
    label.setPalette(palette);
}

}  // namespace tessara
