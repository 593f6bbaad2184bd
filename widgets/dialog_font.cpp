#include "widgets/dialog_font.h"

#include <QApplication>
#include <QWidget>

namespace tessara {

QFont dialogFont(int points)
{
    QFont font = QApplication::font();
    // A size that is not a size at all leaves the system's own.
    if (points > 0)
        font.setPointSize(points);
    return font;
}

void useDialogFont(QWidget& dialog, int points)
{
    dialog.setFont(dialogFont(points));
}

}  // namespace tessara
