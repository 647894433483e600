#include "ScreenFit.h"

#include "GeometryPrinting.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrio {
namespace {

const Rect kLaptop{0, 0, 1366, 738};
const Rect kRightMonitor{1366, 0, 1920, 1050};

struct KeepCase {
    const char* name;
    Rect window;
    std::vector<Rect> screens;
    Rect expected;
};

class KeepOnScreens : public ::testing::TestWithParam<KeepCase> {};

TEST_P(KeepOnScreens, LeavesTheWholeWindowOnAScreen) {
    const KeepCase& c = GetParam();
    EXPECT_EQ(keepOnScreens(c.window, c.screens), c.expected);
    EXPECT_EQ(liesOnScreens(c.window, c.screens), c.window == c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeepOnScreens,
    ::testing::Values(
        KeepCase{"OnScreen", {100, 100, 312, 94}, {kLaptop}, {100, 100, 312, 94}},
        KeepCase{"TouchingTheEdgesIsOnScreen", {0, 644, 1366, 94}, {kLaptop}, {0, 644, 1366, 94}},
        KeepCase{"OnePixelOffIsPulledIn", {1055, 100, 312, 94}, {kLaptop}, {1054, 100, 312, 94}},
        KeepCase{"ASliverLeftByARemovedMonitorIsPulledIn",
                 {1335, 100, 312, 94},
                 {kLaptop},
                 {1054, 100, 312, 94}},
        KeepCase{"MonitorRemovedMovesToTheNearestScreen",
                 {2500, 400, 312, 94},
                 {kLaptop},
                 {1054, 400, 312, 94}},
        KeepCase{"StillAttachedMonitorKeepsIt",
                 {2500, 400, 312, 94},
                 {kLaptop, kRightMonitor},
                 {2500, 400, 312, 94}},
        KeepCase{"AcrossTwoScreensSideBySideStays",
                 {1200, 100, 312, 94},
                 {kLaptop, kRightMonitor},
                 {1200, 100, 312, 94}},
        // The right monitor is taller: the part below the laptop's bottom lies on no screen.
        KeepCase{"AcrossTwoScreensButBelowTheShorterGoesToTheOneItOverlapsMost",
                 {1300, 700, 312, 94},
                 {kLaptop, kRightMonitor},
                 {1366, 700, 312, 94}},
        KeepCase{
            "FarAboveAndLeft", {-5000, -3000, 312, 94}, {kLaptop, kRightMonitor}, {0, 0, 312, 94}},
        KeepCase{"BelowTheSecondScreenGoesToIt",
                 {2000, 1400, 312, 94},
                 {kLaptop, kRightMonitor},
                 {2000, 956, 312, 94}},
        // Off every screen, by its centre (1400, 1500): 421 below the left screen, 520 beside
        // the taller right one.
        KeepCase{"OffEveryScreenGoesToTheNearestByItsCentre",
                 {900, 1450, 1000, 100},
                 {{0, 0, 1920, 1080}, {1920, 0, 1920, 1440}},
                 {900, 980, 1000, 100}},
        KeepCase{"LargerThanTheScreenIsShrunkToIt",
                 {3000, 2000, 2000, 1000},
                 {kLaptop},
                 {0, 0, 1366, 738}},
        KeepCase{"ScreenWithAnOffsetAreaKeepsThePanelFree",
                 {10, 5, 312, 94},
                 {{0, 32, 1366, 706}},
                 {10, 32, 312, 94}},
        KeepCase{"NoScreensLeavesItAlone", {5000, 5000, 312, 94}, {}, {5000, 5000, 312, 94}}),
    [](const ::testing::TestParamInfo<KeepCase>& info) { return info.param.name; });

struct BesideCase {
    const char* name;
    Rect wanted;
    Rect keptClear;
    Rect expected;
};

class BesideRatherThanUnder : public ::testing::TestWithParam<BesideCase> {};

const Rect kScreen{0, 0, 1920, 1080};
const int kGap = 8;

TEST_P(BesideRatherThanUnder, TriesRightLeftBelowAboveThenGivesUp) {
    const BesideCase& c = GetParam();
    EXPECT_EQ(besideRatherThanUnder(c.wanted, c.keptClear, kScreen, kGap), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, BesideRatherThanUnder,
                         ::testing::Values(BesideCase{"NoOverlapStaysWhereWanted",
                                                      {800, 270, 323, 555},
                                                      {100, 100, 316, 120},
                                                      {800, 270, 323, 555}},
                                           BesideCase{"EdgesThatTouchDoNotOverlap",
                                                      {416, 100, 323, 555},
                                                      {100, 100, 316, 120},
                                                      {416, 100, 323, 555}},
                                           BesideCase{"RightFirstAlignedWithTheTop",
                                                      {798, 262, 323, 555},
                                                      {700, 400, 500, 120},
                                                      {1208, 400, 323, 555}},
                                           BesideCase{"RightAlignedButKeptOnTheScreen",
                                                      {798, 262, 323, 555},
                                                      {700, 700, 500, 120},
                                                      {1208, 525, 323, 555}},
                                           BesideCase{"LeftWhenTheRightIsTooNarrow",
                                                      {798, 262, 323, 555},
                                                      {1000, 400, 800, 120},
                                                      {669, 400, 323, 555}},
                                           BesideCase{"BelowWhenNeitherSideHasRoom",
                                                      {798, 262, 323, 555},
                                                      {300, 200, 1320, 120},
                                                      {300, 328, 323, 555}},
                                           BesideCase{"AboveAsTheLastChance",
                                                      {798, 262, 323, 555},
                                                      {300, 700, 1320, 120},
                                                      {300, 137, 323, 555}},
                                           BesideCase{"NowhereStaysWhereWanted",
                                                      {798, 262, 323, 555},
                                                      {300, 300, 1320, 400},
                                                      {798, 262, 323, 555}}),
                         [](const ::testing::TestParamInfo<BesideCase>& info) {
                             return info.param.name;
                         });

// A new countdown's window: beside the one it came from, whole on the screen, never with its
// corner on another's.
TEST(PlaceForNewWindow, BesideTheSourceOnTheScreenAndOffEveryCorner) {
    struct Case {
        const char* what;
        Rect source;
        std::vector<Rect> others;
        Rect expected;
    };
    const Case cases[] = {
        {"to the right of the source",
         {100, 100, 312, 94},
         {{100, 100, 312, 94}},
         {420, 100, 312, 94}},
        {"to its left at the screen's right edge", {1600, 100, 312, 94}, {}, {1280, 100, 312, 94}},
        {"off a corner already taken",
         {100, 100, 312, 94},
         {{420, 100, 312, 94}},
         {428, 108, 312, 94}},
        {"a step down and right where no side has room",
         {0, 0, 1920, 1080},
         {{0, 0, 1920, 1080}},
         {8, 8, 312, 94}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(placeForNewWindow(c.source, 312, 94, kScreen, c.others, kGap), c.expected);
    }
}

} // namespace
} // namespace tavrio
