// A first start, where the store holds no font size and no window size: nothing about the
// window's size is the user's choice yet, so the window opens at the size that shows the label's
// whole text. The text is made smaller only where even the screen is too small for it.
#pragma once

#include "WindowGeometry.h"

#include <QSize>

#include <optional>

namespace tavrio {

class DisplayLabel;

// The client size that shows the label's text whole on the primary screen, in a window with the
// frame given (in device pixels); the label's font shrinks where the screen is too small.
// `noScreen` where there is no screen to fit to.
QSize fitToText(DisplayLabel& label, const std::optional<FrameExtents>& frame,
                qreal devicePixelRatio, QSize noScreen);

} // namespace tavrio
