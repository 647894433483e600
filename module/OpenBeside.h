// Where the windows that the timer window opens go: the settings window and the font dialog. They
// are kept above the timer window (WindowEffects::keepAbove), so they are always usable; they open
// wholly on a screen, and beside the timer window where there is room, so that the countdown stays
// in sight.
#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

namespace tavrio {

// Sizes and moves `window`, not shown yet, from where it would open (`wantedCorner`, the corner of
// its frame at its present size): no larger than its screen leaves room for (a fixed-size window
// keeps a fixed size; the window's content scrolls), with its centre kept; beside `keptClear` (the
// timer window with its frame), to its right, left, below or above, the first where it fits, when
// it would cover it; and wholly on that screen. `framedLike` is a window of the program whose
// frame `window` is likely to get; its frame is not known before it is shown.
void openBeside(QWidget& window, QPoint wantedCorner, const std::optional<QRect>& keptClear,
                const QWidget* framedLike);

} // namespace tavrio
