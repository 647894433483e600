#include "ApplyWindowAlpha.h"

#include "HiddenBackground.h"
#include "WindowEffects.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <QWindow>

namespace tavrio {

bool ApplyWindowAlpha(QWidget& window, std::uint8_t opacity, bool hideBackground) {
    WindowEffects& effects = WindowEffects::current();

    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, hideBackground
                                           ? kBackgroundKeyColor
                                           : QApplication::palette().color(QPalette::Button));
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    window.setWindowOpacity(opacity / 255.0);
    effects.setTransparentForInput(window, opacity == 0);
    HiddenBackground::setEnabled(window, hideBackground, kBackgroundKeyColor);
    effects.flush();
    return window.windowHandle() != nullptr;
}

} // namespace tavrio
