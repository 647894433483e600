#include "ScreenFit.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tavrio {

namespace {

int overlap(int start, int length, int otherStart, int otherLength) {
    return std::max(0, std::min(start + length, otherStart + otherLength) -
                           std::max(start, otherStart));
}

bool reachableOn(const Rect& window, const Rect& screen) {
    const int wide = overlap(window.left, window.width, screen.left, screen.width);
    const int high = overlap(window.top, window.height, screen.top, screen.height);
    return wide >= std::min(kReachableEdge, window.width) &&
           high >= std::min(kReachableEdge, window.height) && wide > 0 && high > 0;
}

// Squared distance from a point to the nearest point of a rectangle.
std::int64_t distanceSquared(std::int64_t x, std::int64_t y, const Rect& r) {
    const std::int64_t dx = std::max<std::int64_t>({r.left - x, 0, x - (r.left + r.width)});
    const std::int64_t dy = std::max<std::int64_t>({r.top - y, 0, y - (r.top + r.height)});
    return dx * dx + dy * dy;
}

int clampInto(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

Rect keepReachable(const Rect& window, std::span<const Rect> screens) {
    if (std::any_of(screens.begin(), screens.end(),
                    [&](const Rect& screen) { return reachableOn(window, screen); })) {
        return window;
    }
    return moveOntoNearest(window, screens);
}

Rect moveOntoNearest(const Rect& window, std::span<const Rect> screens) {
    if (screens.empty()) {
        return window;
    }
    const std::int64_t centreX = window.left + window.width / 2;
    const std::int64_t centreY = window.top + window.height / 2;
    const Rect* nearest = &screens.front();
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const Rect& screen : screens) {
        const std::int64_t distance = distanceSquared(centreX, centreY, screen);
        if (distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    Rect moved = window;
    moved.left = clampInto(window.left, window.width, nearest->left, nearest->width);
    moved.top = clampInto(window.top, window.height, nearest->top, nearest->height);
    return moved;
}

} // namespace tavrio
