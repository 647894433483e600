// Where the windows that the timer window opens go. The timer window is kept above all others,
// so a settings window or font dialog opened under it could not be brought in front of it: when
// one would open (partly) under it, it opens beside it instead, on its screen.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace tavrio {

// Moves `window`, not shown yet, from where it would open (`wantedCorner`, the corner of its
// frame) to beside `keptClear` (the timer window with its frame): to its right, left, below or
// above, the first where it fits wholly on the timer window's screen. Where it would not cover
// `keptClear`, or fits nowhere beside it, it is left to open where it would. `framedLike` is a
// window of the program whose frame `window` is likely to get; its frame is not known before it
// is shown.
void openBeside(QWidget& window, QPoint wantedCorner, const QRect& keptClear,
                const QWidget* framedLike);

} // namespace tavrio
