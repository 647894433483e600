#include "DialogsInReach.h"

#include "QtRects.h"
#include "ScreenFit.h"
#include "WindowEffects.h"

#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <cmath>
#include <memory>
#include <utility>

namespace tavrio {

namespace {

// Room between the two windows, in logical pixels.
constexpr int kGap = 8;
// A caption bar and thin borders, for when no window of the program has a frame to go by.
constexpr QMargins kTypicalFrame{2, 24, 2, 2};

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

// The window at the size it would take, no larger than `most`. Cut short, its content scrolls:
// the vertical scroll bar then takes room beside the content rather than off it, where there is.
void fitWithin(QWidget& window, QSize most) {
    QSize size = window.sizeHint();
    if (size.height() > most.height()) {
        size.rwidth() += window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
    }
    size = size.boundedTo(most);
    if (window.minimumSize() == window.maximumSize()) {
        window.setFixedSize(size);
    } else {
        window.resize(size);
    }
}

const QScreen* screenFor(QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

void place(QWidget& window, QPoint wantedCorner, const std::optional<QRect>& keptClear,
           const QWidget* framedLike) {
    const QScreen* screen = screenFor(keptClear ? keptClear->center() : wantedCorner);
    if (screen == nullptr) {
        return;
    }
    const QMargins frame = likelyFrame(window, framedLike);
    const Rect area = rectOf(screen->availableGeometry());
    const QSize before = window.size();
    fitWithin(window, screen->availableGeometry().size().shrunkBy(frame));
    const QPoint corner = wantedCorner + QPoint((before.width() - window.width()) / 2,
                                                (before.height() - window.height()) / 2);
    const QSize outer = window.size().grownBy(frame);
    Rect placed{corner.x(), corner.y(), outer.width(), outer.height()};
    if (keptClear) {
        placed = besideRatherThanUnder(placed, rectOf(*keptClear), area, kGap);
    }
    placed = moveOntoNearest(placed, std::span(&area, 1));
    // A window's position is that of its frame's corner, once it was moved before it was shown.
    window.move(placed.left, placed.top);
}

// Sizes and moves `window`, not shown yet, from where it would open (`wantedCorner`, the corner of
// its frame at its present size): no larger than its screen leaves room for (a fixed-size window
// keeps a fixed size; the window's content scrolls), with its centre kept; beside `keptClear` (the
// timer window with its frame), to its right, left, below or above, the first where it fits, when
// it would cover it; and wholly on that screen. `framedLike` is a window of the program whose
// frame `window` is likely to get; its frame is not known before it is shown.
void openBeside(QWidget& window, QPoint wantedCorner, const std::optional<QRect>& keptClear,
                const QWidget* framedLike) {
    place(window, wantedCorner, keptClear, framedLike);
    // The frame is a guess until the window manager has put it around the window (a resizable
    // dialog may get a deeper one than the program's other windows): then the window is fitted
    // to the screen again, where it lies.
    auto fitted = std::make_shared<bool>(false);
    QPointer<QWidget> shown(&window);
    WindowEffects::current().watchFrame(window, [shown, fitted] {
        if (shown.isNull() || std::exchange(*fitted, true)) {
            return;
        }
        const QMargins frame = likelyFrame(*shown, nullptr);
        place(*shown, shown->geometry().topLeft() - QPoint(frame.left(), frame.top()), std::nullopt,
              nullptr);
    });
}

} // namespace

void showInReach(QWidget& window, const QWidget* timer, const std::optional<QRect>& keptClear) {
    if (!window.isVisible()) {
        openBeside(window, window.pos(), keptClear, timer);
        window.winId();
        WindowEffects::current().keepOutOfTaskbar(window);
    }
    window.show();
    // After the show, which takes the tie away.
    keepAboveTimerWindow(window, timer);
    window.raise();
    WindowEffects::current().activate(window);
}

void keepAboveTimerWindow(QWidget& window, const QWidget* timer) {
    WindowEffects::current().keepAbove(window, timer);
}

void placeDialogInReach(QWidget& dialog, const QWidget& owner,
                        const std::optional<QRect>& keptClear) {
    keptAboveAs(dialog, &owner);
    dialog.resize(dialog.sizeHint());
    // Where the dialog would open on its own: centred over its owner.
    const QPoint centred = owner.frameGeometry().center() - dialog.rect().center();
    openBeside(dialog, centred, keptClear, &owner);
}

void keptAboveAs(QWidget& dialog, const QWidget* owner) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint,
                         owner != nullptr &&
                             owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

} // namespace tavrio
