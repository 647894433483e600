// The countdown's own sizing: a tenth a step in whole points within the font dialog's sizes, and
// a wheel's or a touchpad's turns summed into notches.
#include "FontZoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

namespace tavrio {
namespace {

// A step up and one down come back; the first start's 100 points and a size below the dialog's
// step only toward them; a size a first start shrank to the screen steps to a whole one.
TEST(FontZoom, StepsATenthWithinTheDialogsSizes) {
    const std::optional<int> none;
    const std::vector<std::tuple<double, bool, std::optional<int>>> cases{
        {48, true, 53},    {53, false, 48},   {71, true, 72},   {72, true, none},
        {10, false, none}, {100, true, none}, {100, false, 91}, {8, false, none},
        {57.3, false, 52}, {NAN, true, none}};
    for (const auto& [from, larger, to] : cases) {
        EXPECT_EQ(zoomedFontSize(from, larger), to) << from << (larger ? " up" : " down");
    }
}

// A wheel's notches, two in one event, a fine wheel's eighths, a touchpad's uneven pieces, and a
// turn back, which starts afresh.
TEST(WheelSteps, ANotchAStepWhateverThePieces) {
    const std::vector<std::pair<std::vector<int>, int>> cases{{{120, 120, -120}, 1},
                                                              {{240}, 2},
                                                              {std::vector<int>(8, 15), 1},
                                                              {{50, 50, 50, 50, 50}, 2},
                                                              {{100, -100, -30}, -1}};
    for (const auto& [angles, steps] : cases) {
        WheelSteps wheel;
        int taken = 0;
        for (const int angle : angles) {
            taken += wheel.take(angle);
        }
        EXPECT_EQ(taken, steps) << angles.front() << " first";
    }
}

} // namespace
} // namespace tavrio
