#include "widgets/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace tessara {
namespace {

QPixmap globe(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 16.0;
    const QRectF disc(margin, margin, size - 2 * margin, size - 2 * margin);
    painter.setPen(QPen(QColor(20, 60, 110), size / 24.0));
    painter.setBrush(QColor(70, 140, 200));
    painter.drawEllipse(disc);

    // Two meridians and two parallels.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(235, 245, 255), size / 32.0));
    const QPointF centre = disc.center();
    for (const qreal width : {disc.width() * 0.5, disc.width() * 0.0})
        painter.drawEllipse(centre, width / 2, disc.height() / 2);
    for (const qreal offset : {-disc.height() / 5, disc.height() / 5}) {
        const qreal y = centre.y() + offset;
        const qreal half = std::sqrt(disc.width() * disc.width() / 4 - offset * offset);
        painter.drawLine(QPointF(centre.x() - half, y), QPointF(centre.x() + half, y));
    }
    painter.drawLine(QPointF(disc.left(), centre.y()), QPointF(disc.right(), centre.y()));

    // The point being transformed.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 80, 40));
    painter.drawEllipse(QPointF(centre.x() + disc.width() * 0.17, centre.y() + disc.height() * 0.2),
                        size / 12.0, size / 12.0);
    return pixmap;
}

}  // namespace

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(globe(size));
    return icon;
}

}  // namespace tessara
