#pragma once

#include <QRect>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tessara {

// A window's frame rectangle made to lie within the screen's available
// area: no larger than the area, and moved inside it.
QRect fittedInto(const QRect& frame, const QRect& available);

// Sizes and moves a top-level window so that its frame lies within the
// available area of its screen (a stored size or a hand-edited one larger
// than the screen, a position off the screen). A window whose minimum size
// is larger than the screen keeps its minimum.
void fitOnScreen(QWidget& window);

}  // namespace tessara
