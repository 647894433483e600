// How the tests print rectangles when a comparison fails: as "left,top widthxheight".
#pragma once

#include "WindowGeometry.h"

#include <ostream>

namespace tavrio {

inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << r.left << "," << r.top << " " << r.width << "x" << r.height;
}

inline void PrintTo(const TwipsRect& r, std::ostream* os) {
    *os << r.left << "," << r.top << " " << r.width << "x" << r.height;
}

inline void PrintTo(const Size& s, std::ostream* os) {
    *os << s.width << "x" << s.height;
}

} // namespace tavrio
