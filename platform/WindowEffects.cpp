#include "WindowEffects.h"

#include "InputTransparency.h"
#include "X11WindowEffects.h"

namespace tavrio {

namespace {

class PortableWindowEffects : public WindowEffects {
public:
    void keepOutOfTaskbar(QWidget&) override {}
    void setTransparentForInput(QWidget& widget, bool transparent) override {
        applyInputTransparency(widget, transparent);
    }
    Qt::WindowFlags independentToolWindow() const override { return Qt::Tool; }
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
