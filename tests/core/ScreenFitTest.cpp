#include "ScreenFit.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrio {
namespace {

struct Case {
    const char* name;
    Rect window;
    std::vector<Rect> screens;
    Rect expected;
};

class KeepReachable : public ::testing::TestWithParam<Case> {};

TEST_P(KeepReachable, MovesOnlyWindowsThatCannotBeReached) {
    const Case& c = GetParam();
    EXPECT_EQ(keepReachable(c.window, c.screens), c.expected);
}

const Rect kLaptop{0, 0, 1366, 738};
const Rect kRightMonitor{1366, 0, 1920, 1050};

INSTANTIATE_TEST_SUITE_P(
    Table, KeepReachable,
    ::testing::Values(
        Case{"OnScreen", {100, 100, 312, 94}, {kLaptop}, {100, 100, 312, 94}},
        Case{"PartlyOffTheEdgeStaysWhereTheUserPutIt",
             {1300, 700, 312, 94},
             {kLaptop},
             {1300, 700, 312, 94}},
        Case{"ASliverIsNotEnoughToGrab", {1360, 100, 312, 94}, {kLaptop}, {1054, 100, 312, 94}},
        Case{"MonitorRemovedMovesToTheNearestScreen",
             {2500, 400, 312, 94},
             {kLaptop},
             {1054, 400, 312, 94}},
        Case{"StillAttachedMonitorKeepsIt",
             {2500, 400, 312, 94},
             {kLaptop, kRightMonitor},
             {2500, 400, 312, 94}},
        Case{"FarAboveAndLeft", {-5000, -3000, 312, 94}, {kLaptop, kRightMonitor}, {0, 0, 312, 94}},
        Case{"BelowTheSecondScreenGoesToIt",
             {2000, 1400, 312, 94},
             {kLaptop, kRightMonitor},
             {2000, 956, 312, 94}},
        Case{"LargerThanTheScreenKeepsItsTopLeftOnScreen",
             {3000, 2000, 2000, 1000},
             {kLaptop},
             {0, 0, 2000, 1000}},
        Case{"SmallWindowFullyInsideAnEdge", {-10, 10, 20, 20}, {kLaptop}, {0, 10, 20, 20}},
        Case{"NoScreensLeavesItAlone", {5000, 5000, 312, 94}, {}, {5000, 5000, 312, 94}}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

// A window brought back before its frame was known is fitted again with the frame: partly off the
// screen is then not good enough.
TEST(MoveOntoNearest, PullsAPartlyOffWindowWhollyInside) {
    const std::vector<Rect> screens{kLaptop, kRightMonitor};
    EXPECT_EQ(moveOntoNearest({1060, 100, 316, 98}, screens), (Rect{1050, 100, 316, 98}));
    EXPECT_EQ(moveOntoNearest({3200, 1000, 316, 98}, screens), (Rect{2970, 952, 316, 98}));
    EXPECT_EQ(moveOntoNearest({100, 100, 316, 98}, screens), (Rect{100, 100, 316, 98}));
    EXPECT_EQ(moveOntoNearest({100, 100, 316, 98}, {}), (Rect{100, 100, 316, 98}));
}

} // namespace
} // namespace tavrio
