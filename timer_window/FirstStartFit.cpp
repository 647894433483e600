#include "FirstStartFit.h"

#include "DisplayLabel.h"

#include <QGuiApplication>
#include <QScreen>

namespace tavrio {

QSize fitToText(DisplayLabel& label, const std::optional<FrameExtents>& frame,
                qreal devicePixelRatio, QSize noScreen) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return noScreen;
    }
    const QRect available = screen->availableGeometry();
    const Rect area{available.x(), available.y(), available.width(), available.height()};
    // The text's width is not quite proportional to its size: a few rounds close the gap.
    TextFit fit;
    for (int round = 0; round < 4; ++round) {
        fit = fitText({label.width(), label.height()}, frame.value_or(FrameExtents{}),
                      devicePixelRatio, area);
        if (fit.textScale >= 1.0 ||
            !label.setFontSize(static_cast<float>(label.FontSize() * fit.textScale))) {
            break;
        }
    }
    return {fit.client.width, fit.client.height};
}

} // namespace tavrio
