// The core's rectangles to and from Qt's: the window code measures in QRect, the core's screen
// fitting in Rect.
#pragma once

#include "ScreenFit.h"

#include <QRect>

namespace tavrio {

inline Rect rectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

inline QRect qRectOf(const Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

} // namespace tavrio
