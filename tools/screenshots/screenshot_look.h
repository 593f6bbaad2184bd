#pragma once

// The look a set of pictures is taken in: the programs' own style, and on
// request a dark palette such as a desktop's dark theme gives.
#include "widgets/program_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace tessara::screenshots {

inline void useLook(bool dark)
{
    if (dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette palette;
        const QColor window(53, 53, 53);
        const QColor base(35, 35, 35);
        const QColor text(230, 230, 230);
        const QColor muted(127, 127, 127);
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::AlternateBase, window);
        palette.setColor(QPalette::ToolTipBase, base);
        palette.setColor(QPalette::ToolTipText, text);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Button, window);
        palette.setColor(QPalette::ButtonText, text);
        palette.setColor(QPalette::BrightText, Qt::red);
        palette.setColor(QPalette::Link, QColor(42, 130, 218));
        palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
        palette.setColor(QPalette::HighlightedText, Qt::black);
        palette.setColor(QPalette::PlaceholderText, muted);
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, muted);
        palette.setColor(QPalette::Disabled, QPalette::Base, window);
        QApplication::setPalette(palette);
    }
    useProgramStyle();
}

}  // namespace tessara::screenshots
