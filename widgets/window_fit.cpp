#include "widgets/window_fit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tessara {

QRect fittedInto(const QRect& frame, const QRect& available)
{
    const QSize size = frame.size().boundedTo(available.size());
    // Within the area, on whichever side the frame ran over.
    const int x = std::clamp(frame.x(), available.left(),
                             available.left() + available.width() - size.width());
    const int y = std::clamp(frame.y(), available.top(),
                             available.top() + available.height() - size.height());
    return {QPoint(x, y), size};
}

void fitOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return;
    const QRect frame = window.frameGeometry();
    const QRect fitted = fittedInto(frame, screen->availableGeometry());
    // The frame (title bar, borders) is what must fit; the window's own size
    // is smaller by it.
    const QSize decoration = frame.size() - window.size();
    if (fitted.size() != frame.size())
        window.resize(fitted.size() - decoration);
    if (fitted.topLeft() != frame.topLeft())
        window.move(fitted.topLeft());
}

}  // namespace tessara
