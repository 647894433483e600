#include "OpenBeside.h"

#include "ScreenFit.h"
#include "WindowEffects.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace tavrio {

namespace {

// Room between the two windows, in logical pixels.
constexpr int kGap = 8;
// A caption bar and thin borders, for when no window of the program has a frame to go by.
constexpr QMargins kTypicalFrame{2, 24, 2, 2};

Rect rectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QMargins likelyFrame(const QWidget& window, const QWidget* framedLike) {
    std::optional<FrameExtents> frame = WindowEffects::current().frameExtents(window);
    if (!frame && framedLike != nullptr) {
        frame = WindowEffects::current().frameExtents(*framedLike);
    }
    if (!frame || frame->top == 0) {
        return kTypicalFrame;
    }
    const double ratio = window.devicePixelRatioF();
    const auto logical = [ratio](int device) {
        return static_cast<int>(std::ceil(device / ratio));
    };
    return {logical(frame->left), logical(frame->top), logical(frame->right),
            logical(frame->bottom)};
}

} // namespace

void openBeside(QWidget& window, QPoint wantedCorner, const QRect& keptClear,
                const QWidget* framedLike) {
    const QScreen* screen = QGuiApplication::screenAt(keptClear.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QSize outer = window.size().grownBy(likelyFrame(window, framedLike));
    const Rect wanted{wantedCorner.x(), wantedCorner.y(), outer.width(), outer.height()};
    const Rect beside =
        besideRatherThanUnder(wanted, rectOf(keptClear), rectOf(screen->availableGeometry()), kGap);
    if (beside != wanted) {
        // Before it is shown, a window's position is that of its frame's corner.
        window.move(beside.left, beside.top);
    }
}

} // namespace tavrio
