// The window effects through Qt's portable calls alone: where no native implementation does
// better, and the base of those that do.
#pragma once

#include "WindowEffects.h"

namespace tavrio {

class PortableWindowEffects : public WindowEffects {
public:
    void keepOutOfTaskbar(QWidget&) override {}
    void setTransparentForInput(QWidget& window, bool transparent) override;
    // Qt's portable way; the owner is then also blocked while a modal dialog of the window is
    // open.
    void keepAbove(QWidget& window, const QWidget* owner) override;
    void arriveWithoutActivation(QWidget& window) override;
    void offerAlphaChannel(QWidget&) override {}
    bool blendsWithDesktop(const QWidget&) const override { return false; }
    void watchCompositing(QObject&, std::function<void()>) override {}
    bool setColourKey(QWidget&, const std::optional<QColor>&) override { return false; }
    void setShape(QWidget& window, const std::optional<QRegion>& region) override;
    // A mask clips the input too, which is all the portable window can do.
    void setInputRegion(QWidget&, const std::optional<QRegion>&) override {}
    // From Qt's frame geometry, which is exact where the window system reports frames at once.
    std::optional<FrameExtents> frameExtents(const QWidget& window) const override;
    void watchFrame(QWidget&, std::function<void()>) override {}
    void activate(QWidget& window) override;
    void flush() override {}
};

} // namespace tavrio
