#include "PortableWindowEffects.h"

#include "InputTransparency.h"

#include <QRegion>
#include <QTransform>
#include <QWidget>
#include <QWindow>

namespace tavrio {

void PortableWindowEffects::setTransparentForInput(QWidget& window, bool transparent) {
    applyInputTransparency(window, transparent);
}

void PortableWindowEffects::keepAbove(QWidget& window, const QWidget* owner) {
    window.winId();
    window.windowHandle()->setTransientParent(owner ? owner->windowHandle() : nullptr);
}

void PortableWindowEffects::arriveWithoutActivation(QWidget& window) {
    window.setAttribute(Qt::WA_ShowWithoutActivating);
}

void PortableWindowEffects::setShape(QWidget& window, const std::optional<QRegion>& region) {
    if (!region) {
        if (!window.mask().isEmpty()) {
            window.clearMask();
        }
        return;
    }
    const qreal ratio = window.devicePixelRatioF();
    QRegion mask = QTransform::fromScale(1 / ratio, 1 / ratio).map(*region);
    // An empty mask means no mask at all: a window with nothing left keeps one pixel.
    if (mask.isEmpty()) {
        mask = QRegion(0, 0, 1, 1);
    }
    if (mask != window.mask()) {
        window.setMask(mask);
    }
}

std::optional<FrameExtents> PortableWindowEffects::frameExtents(const QWidget& window) const {
    if (!window.testAttribute(Qt::WA_WState_Created) || !window.isVisible()) {
        return std::nullopt;
    }
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (!frame.contains(client)) {
        return std::nullopt;
    }
    const double ratio = window.devicePixelRatioF();
    const auto device = [ratio](int pixels) {
        return qRound(pixels * ratio);
    };
    return FrameExtents{device(client.left() - frame.left()), device(client.top() - frame.top()),
                        device(frame.right() - client.right()),
                        device(frame.bottom() - client.bottom())};
}

void PortableWindowEffects::activate(QWidget& window) {
    window.activateWindow();
}

} // namespace tavrio
