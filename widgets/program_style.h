#pragma once

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QFileDialog;
class QMessageBox;
QT_END_NAMESPACE

namespace tessara {

// The look both programs share: the desktop's own widget style, with dialog
// buttons that carry text only (no pictures from the icon theme), so that
// every dialog and message box shows the same buttons. Call once, after the
// application object exists.
void useProgramStyle();

// Qt's own file dialog at a size that shows the Size, Type and Date columns
// whole beside the names (within the screen).
void fitFileDialog(QFileDialog& dialog);

// A message box that keeps each line of its text whole (up to most of the
// screen's width) and stands centred over its parent window.
void prepareMessageBox(QMessageBox& box);

}  // namespace tessara
