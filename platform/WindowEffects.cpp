#include "WindowEffects.h"

#include "InputTransparency.h"
#include "X11WindowEffects.h"

#include <QWidget>

namespace tavrio {

namespace {

class PortableWindowEffects : public WindowEffects {
public:
    void keepOutOfTaskbar(QWidget&) override {}
    void setTransparentForInput(QWidget& widget, bool transparent) override {
        applyInputTransparency(widget, transparent);
    }
    Qt::WindowFlags independentToolWindow() const override { return Qt::Tool; }
    std::optional<QMargins> frameExtents(const QWidget& window) const override {
        const QRect frame = window.frameGeometry();
        const QRect client = window.geometry();
        if (!frame.contains(client) || frame == client) {
            return std::nullopt;
        }
        return QMargins{client.left() - frame.left(), client.top() - frame.top(),
                        frame.right() - client.right(), frame.bottom() - client.bottom()};
    }
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
