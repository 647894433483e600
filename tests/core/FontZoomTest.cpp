// The countdown's own sizing: a tenth a step in whole points within the font dialog's sizes.
#include "FontZoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace tavrio {
namespace {

// A step up and one down come back; sizes outside the dialog's step only toward them, to whole
// ones.
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

} // namespace
} // namespace tavrio
