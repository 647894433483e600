// Keeping a window reachable: a window whose stored place lies outside every screen now attached
// (a monitor removed, a resolution lowered) is moved onto the nearest screen.
#pragma once

#include <span>

namespace tavrio {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

// How much of a window must show on one screen for the user to reach it: enough to grab it.
inline constexpr int kReachableEdge = 24;

// The window unchanged when enough of it lies on one of the screens' available areas; otherwise
// the window moved, keeping its size, the shortest way into the nearest such area (its top-left
// corner kept on screen when the window is larger than the area). With no screens, unchanged.
Rect keepReachable(const Rect& window, std::span<const Rect> screens);

// The window moved, keeping its size, the shortest way to lie wholly inside the nearest screen's
// available area (its top-left corner kept on screen when the window is larger than the area).
// With no screens, unchanged.
Rect moveOntoNearest(const Rect& window, std::span<const Rect> screens);

} // namespace tavrio
