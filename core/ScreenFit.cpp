#include "ScreenFit.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace tavrio {

namespace {

bool contains(const Rect& area, std::int64_t x, std::int64_t y) {
    return x >= area.left && x < area.right() && y >= area.top && y < area.bottom();
}

bool inside(const Rect& window, const Rect& area) {
    return window.left >= area.left && window.top >= area.top && window.right() <= area.right() &&
           window.bottom() <= area.bottom();
}

std::int64_t overlapArea(const Rect& a, const Rect& b) {
    const std::int64_t wide = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const std::int64_t high = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return wide > 0 && high > 0 ? wide * high : 0;
}

// Squared distance from a point to the nearest point of a rectangle.
std::int64_t distanceSquared(std::int64_t x, std::int64_t y, const Rect& r) {
    const std::int64_t dx = std::max<std::int64_t>({r.left - x, 0, x - r.right()});
    const std::int64_t dy = std::max<std::int64_t>({r.top - y, 0, y - r.bottom()});
    return dx * dx + dy * dy;
}

// The edges of the screens that cut the span from `start` to `end`, with both ends.
std::vector<int> cuts(int start, int end, std::span<const Rect> screens, bool across) {
    std::vector<int> edges{start, end};
    for (const Rect& screen : screens) {
        for (const int edge : across ? std::array{screen.left, screen.right()}
                                     : std::array{screen.top, screen.bottom()}) {
            if (edge > start && edge < end) {
                edges.push_back(edge);
            }
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

const Rect& screenFor(const Rect& window, std::span<const Rect> screens) {
    const Rect* best = &screens.front();
    std::int64_t mostOverlap = 0;
    for (const Rect& screen : screens) {
        if (const std::int64_t overlap = overlapArea(window, screen); overlap > mostOverlap) {
            mostOverlap = overlap;
            best = &screen;
        }
    }
    if (mostOverlap > 0) {
        return *best;
    }
    const std::int64_t centreX = window.left + window.width / 2;
    const std::int64_t centreY = window.top + window.height / 2;
    std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
    for (const Rect& screen : screens) {
        if (const std::int64_t distance = distanceSquared(centreX, centreY, screen);
            distance < nearest) {
            nearest = distance;
            best = &screen;
        }
    }
    return *best;
}

int clampInto(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

// The screens cut the window into cells, each wholly on a screen or wholly off every screen; the
// centre of each cell tells which (in half pixels, to stay whole).
bool liesOnScreens(const Rect& window, std::span<const Rect> screens) {
    if (screens.empty()) {
        return true;
    }
    const std::vector<int> columns = cuts(window.left, window.right(), screens, true);
    const std::vector<int> rows = cuts(window.top, window.bottom(), screens, false);
    for (std::size_t column = 0; column + 1 < columns.size(); ++column) {
        for (std::size_t row = 0; row + 1 < rows.size(); ++row) {
            const std::int64_t x2 = std::int64_t{columns[column]} + columns[column + 1];
            const std::int64_t y2 = std::int64_t{rows[row]} + rows[row + 1];
            const bool covered = std::any_of(screens.begin(), screens.end(), [&](const Rect& s) {
                return contains({2 * s.left, 2 * s.top, 2 * s.width, 2 * s.height}, x2, y2);
            });
            if (!covered) {
                return false;
            }
        }
    }
    return true;
}

Rect moveOntoNearest(const Rect& window, std::span<const Rect> screens) {
    if (screens.empty()) {
        return window;
    }
    const Rect& area = screenFor(window, screens);
    Rect moved = window;
    moved.width = std::min(window.width, area.width);
    moved.height = std::min(window.height, area.height);
    moved.left = clampInto(window.left, moved.width, area.left, area.width);
    moved.top = clampInto(window.top, moved.height, area.top, area.height);
    return moved;
}

Rect keepOnScreens(const Rect& window, std::span<const Rect> screens) {
    return liesOnScreens(window, screens) ? window : moveOntoNearest(window, screens);
}

Rect besideRatherThanUnder(const Rect& wanted, const Rect& keptClear, const Rect& area, int gap) {
    if (overlapArea(wanted, keptClear) == 0) {
        return wanted;
    }
    const int width = wanted.width;
    const int height = wanted.height;
    const int alignedTop = clampInto(keptClear.top, height, area.top, area.height);
    const int alignedLeft = clampInto(keptClear.left, width, area.left, area.width);
    const std::array<Rect, 4> candidates{{
        {keptClear.right() + gap, alignedTop, width, height},
        {keptClear.left - gap - width, alignedTop, width, height},
        {alignedLeft, keptClear.bottom() + gap, width, height},
        {alignedLeft, keptClear.top - gap - height, width, height},
    }};
    for (const Rect& candidate : candidates) {
        if (inside(candidate, area)) {
            return candidate;
        }
    }
    return wanted;
}

Rect placeForNewWindow(const Rect& source, int width, int height, const Rect& area,
                       std::span<const Rect> others, int gap) {
    const Rect over{source.left, source.top, width, height};
    Rect first = besideRatherThanUnder(over, source, area, gap);
    if (first == over) {
        first = {source.left + gap, source.top + gap, width, height};
    }
    const auto cornerTaken = [&](const Rect& window) {
        return std::any_of(others.begin(), others.end(), [&](const Rect& other) {
            return other.left == window.left && other.top == window.top;
        });
    };
    // Diagonal steps away from the first place, every way, until a corner is free.
    for (int step = 0; step < 64; ++step) {
        for (const auto& [right, down] : {std::pair{1, 1}, {-1, 1}, {1, -1}, {-1, -1}}) {
            const Rect moved{first.left + right * step * gap, first.top + down * step * gap, width,
                             height};
            const Rect candidate = moveOntoNearest(moved, std::span(&area, 1));
            if (!cornerTaken(candidate)) {
                return candidate;
            }
        }
    }
    return moveOntoNearest(first, std::span(&area, 1));
}

} // namespace tavrio
