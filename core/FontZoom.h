// The countdown made larger or smaller from the timer window itself (Ctrl with the mouse wheel,
// Ctrl+Plus, Ctrl+Minus): about a tenth a step, in whole points, within the sizes the font dialog
// offers. A size outside them (the first start's 100 points, one typed into the settings file)
// only steps toward them.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrio {

// The sizes the font dialog takes, in points: the limits the Windows font dialog is given, so a
// font chosen in one would be taken by the other; the timer window's own sizing keeps to them too.
inline constexpr int kSmallestChosenSize = 10;
inline constexpr int kLargestChosenSize = 72;

// The size a step larger (or smaller) than `points`; none at the limit. A step up and one down
// come back to the same whole size.
std::optional<int> zoomedFontSize(double points, bool larger);

// A wheel's turns, or a touchpad's scrolling, summed into whole steps: 120 (15 degrees, one notch
// of a common wheel) a step either way, whatever the size of the pieces it comes in. Turning back
// starts afresh, so that a rest left over from one way never takes a step the other way.
class WheelSteps {
public:
    // The whole steps the turn completes, positive away from the user.
    int take(int angle);
    void reset() { rest_ = 0; }

private:
    std::int64_t rest_ = 0;
};

} // namespace tavrio
