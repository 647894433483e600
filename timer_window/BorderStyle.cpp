#include "BorderStyle.h"

#include <QWidget>

namespace tavrio {

Qt::WindowFlags windowFlagsFor(int style) {
    const Qt::WindowFlags captioned = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    Qt::WindowFlags flags;
    switch (style) {
    case 0:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case 1:
    case 2:
        flags = Qt::Window | captioned;
        break;
    case 3:
        flags = Qt::Dialog | captioned;
        break;
    default:
        flags = Qt::Tool | captioned;
        break;
    }
    return flags | Qt::WindowStaysOnTopHint;
}

void applyBorderStyle(QWidget& window, int style) {
    window.setWindowFlags(windowFlagsFor(style));
    if (style == 1 || style == 3 || style == 4) {
        window.setFixedSize(window.size());
    } else {
        window.setMinimumSize(0, 0);
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

} // namespace tavrio
