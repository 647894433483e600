#include "WindowEffects.h"

#include "InputTransparency.h"
#include "X11WindowEffects.h"

#include <QRegion>
#include <QTransform>
#include <QWidget>
#include <QWindow>

namespace tavrio {

namespace {

class PortableWindowEffects : public WindowEffects {
public:
    void keepOutOfTaskbar(QWidget&) override {}
    void setTransparentForInput(QWidget& widget, bool transparent) override {
        applyInputTransparency(widget, transparent);
    }
    // Qt's portable way; the owner is then also blocked while a modal dialog of the window is
    // open.
    void keepAbove(QWidget& window, const QWidget* owner) override {
        window.winId();
        window.windowHandle()->setTransientParent(owner ? owner->windowHandle() : nullptr);
    }
    void offerAlphaChannel(QWidget&) override {}
    bool blendsWithDesktop(const QWidget&) const override { return false; }
    void watchCompositing(QObject&, std::function<void()>) override {}
    void setShape(QWidget& window, const std::optional<QRegion>& region) override {
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
    // A mask clips the input too, which is all the portable window can do.
    void setInputRegion(QWidget&, const std::optional<QRegion>&) override {}
    std::optional<FrameExtents> frameExtents(const QWidget& window) const override {
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
        return FrameExtents{
            device(client.left() - frame.left()), device(client.top() - frame.top()),
            device(frame.right() - client.right()), device(frame.bottom() - client.bottom())};
    }
    void watchFrame(QWidget&, std::function<void()>) override {}
    void activate(QWidget& window) override { window.activateWindow(); }
    void flush() override {}
};

} // namespace

WindowEffects& WindowEffects::current() {
    static PortableWindowEffects portable;
    if (WindowEffects* x11 = x11WindowEffects()) {
        return *x11;
    }
    return portable;
}

} // namespace tavrio
