#pragma once

#include <QFont>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tessara {

// The program's dialogs show the application's font at the program's font
// size (8, 10 or 12 points), read when each dialog opens.
QFont dialogFont(int points);
void useDialogFont(QWidget& dialog, int points);

}  // namespace tessara
