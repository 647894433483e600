// A colour-keyed window background: every pixel of the window's client area that has exactly the
// key colour is left out, to the eye and to the mouse, so that only what the window's children
// draw in other colours (and the frame) remains and clicks elsewhere reach the window below.
// Qt has no colour key, so the window gets a mask made from its children's pixels, refreshed
// whenever they may have changed.
#pragma once

#include <QColor>

class QRegion;
class QWidget;

namespace tavrio {

namespace BackgroundKey {

// Starts keying the window's background out with the key colour, or stops and shows it whole.
void setEnabled(QWidget& window, bool enabled, QColor key);

// Recomputes the mask of a keyed window soon (coalesced, outside the current event handler);
// nothing when the window is not keyed.
void refresh(QWidget& window);

// The part of the window whose pixels, as its children draw them over the key colour, are not
// the key colour. Never empty: a window with nothing left keeps one pixel, because an empty mask
// means no mask at all.
QRegion visibleRegion(QWidget& window, QColor key);

} // namespace BackgroundKey

} // namespace tavrio
