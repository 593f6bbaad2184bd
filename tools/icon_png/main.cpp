// Writes the program's icon, as the programs draw it for their windows, into
// PNG files for the desktop's icon theme.
//
//   tessara_icon_png SIZE FILE [SIZE FILE ...]

#include "widgets/program_icon.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.isEmpty() || args.size() % 2 != 0) {
        std::fputs("usage: tessara_icon_png SIZE FILE [SIZE FILE ...]\n", stderr);
        return 2;
    }
    const QIcon icon = tessara::programIcon();
    for (qsizetype i = 0; i < args.size(); i += 2) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        // A size the theme cannot use is a mistake in the build, not an icon.
        if (!ok || size < 16 || size > 1024) {
            std::fprintf(stderr, "tessara_icon_png: bad size %s\n", qPrintable(args[i]));
            return 2;
        }
        // The icon holds a few drawn sizes; a larger one is scaled from the
        // largest it has.
        QImage image = icon.pixmap(QSize(size, size)).toImage();
        if (image.width() != size)
            image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!image.save(args[i + 1], "PNG")) {
            std::fprintf(stderr, "tessara_icon_png: cannot write %s\n", qPrintable(args[i + 1]));
            return 1;
        }
    }
    return 0;
}
