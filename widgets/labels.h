#pragma once

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QLabel;
class QString;
class QWidget;
QT_END_NAMESPACE

namespace tessara {

// A label in the bold face of its font, as the dialogs' captions and
// column headings are drawn.
QLabel* boldLabel(const QString& text);

// Draws a widget's text in the bold face of its font, or back in the
// regular one.
void setBold(QWidget& widget, bool bold = true);

// Draws a label's text in pure red, as the dialogs' notes are drawn; a
// lighter red on a dark window, so that the note stays readable.
void makeRedNote(QLabel& label);

}  // namespace tessara
