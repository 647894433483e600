#include "FontZoom.h"

#include <algorithm>
#include <cmath>

namespace tavrio {

namespace {

constexpr int kAngleOfAStep = 120;
// Far beyond any size a label takes: what lies above is no size to step from.
constexpr double kLargestSteppedFrom = 100000;

} // namespace

// A tenth either way, at least a point, and a size that is not whole to the next whole one. The
// tenths are taken as 11/10 and 10/11, so that a whole size stepped up and down again comes back.
std::optional<int> zoomedFontSize(double points, bool larger) {
    if (!(points > 0 && points <= kLargestSteppedFrom)) {
        return std::nullopt;
    }
    if (larger) {
        if (points >= kLargestChosenSize) {
            return std::nullopt;
        }
        const double next = std::max(std::floor(points) + 1, std::round(points * 11 / 10));
        return static_cast<int>(std::min(next, double{kLargestChosenSize}));
    }
    if (points <= kSmallestChosenSize) {
        return std::nullopt;
    }
    const double next = std::min(std::ceil(points) - 1, std::round(points * 10 / 11));
    return static_cast<int>(std::max(next, double{kSmallestChosenSize}));
}

int WheelSteps::take(int angle) {
    if ((rest_ > 0 && angle < 0) || (rest_ < 0 && angle > 0)) {
        rest_ = 0;
    }
    rest_ += angle;
    const auto steps = rest_ / kAngleOfAStep;
    rest_ -= steps * kAngleOfAStep;
    return static_cast<int>(steps);
}

} // namespace tavrio
