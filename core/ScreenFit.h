// Where a window fits among the screens: wholly on one of them, moved onto the nearest when a
// monitor went away or a resolution was lowered, and beside another window rather than under it.
// All in the desktop's logical pixels.
#pragma once

#include <span>

namespace tavrio {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; } // one past the last column
    constexpr int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

// Every point of the window lies on one of the screens' available areas (which may be several
// side by side). With no screens, true: there is nothing to move the window onto.
bool liesOnScreens(const Rect& window, std::span<const Rect> screens);

// The window moved the shortest way to lie wholly inside the available area of the screen it
// overlaps most (or, overlapping none, the nearest), shrunk to that area where it is larger.
// With no screens, unchanged.
Rect moveOntoNearest(const Rect& window, std::span<const Rect> screens);

// The window unchanged when it lies on the screens, else moved onto the nearest.
Rect keepOnScreens(const Rect& window, std::span<const Rect> screens);

// Where a window that would open at `wanted` goes so that it does not cover `keptClear`: where it
// was wanted when the two do not overlap; otherwise beside `keptClear`, `gap` pixels away, to its
// right, left, below or above, the first of these where it lies wholly inside `area`; where it was
// wanted when it fits in none.
Rect besideRatherThanUnder(const Rect& wanted, const Rect& keptClear, const Rect& area, int gap);

// Where a new window of the program goes, `width` by `height`, that was asked for from `source`:
// beside it as besideRatherThanUnder places it (else a step of `gap` down and to the right of it),
// wholly inside `area`, and never with its corner on the corner of one of `others`, so that it
// can never hide one of them exactly.
Rect placeForNewWindow(const Rect& source, int width, int height, const Rect& area,
                       std::span<const Rect> others, int gap);

} // namespace tavrio
