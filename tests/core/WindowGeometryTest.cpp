#include "WindowGeometry.h"

#include "GeometryPrinting.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrio {
namespace {

const FrameExtents kNoFrame{};
// As openbox draws a sizable tool window, and as mutter draws a normal one.
const FrameExtents kThinFrame{1, 22, 1, 1};
const FrameExtents kTitleOnly{0, 35, 0, 0};
const Size kDesign{312, 94};

StoredGeometry storedAs(const TwipsRect& twips) {
    return {twips.left, twips.top, twips.width, twips.height};
}

// A window the user placed and sized, stored, and placed again from the store comes back with the
// same client area, and would store the same numbers again: at every scale, with every frame. (An
// outer edge at exactly 0 is the one place that does not come back: 0 is not applied.)
TEST(WindowGeometry, WhatIsStoredComesBackTheSame) {
    const std::vector<double> ratios{1.0, 1.25, 1.5, 2.0};
    const std::vector<FrameExtents> frames{
        kNoFrame, kThinFrame, kTitleOnly, {4, 29, 4, 4}, {1, 1, 1, 1}};
    const std::vector<Rect> clients{
        {101, 97, 312, 94}, {7, 40, 500, 200}, {-37, 15, 77, 31}, {1001, 707, 313, 95}};
    const std::vector<Rect> wideScreen{{-2000, -2000, 8000, 8000}};
    for (const double ratio : ratios) {
        for (const FrameExtents& frame : frames) {
            for (const Rect& client : clients) {
                const TwipsRect stored = outerTwips(client, frame, ratio);
                const Rect placed =
                    placedClient(storedAs(stored), kDesign, frame, ratio, wideScreen);
                EXPECT_EQ(placed, client) << "ratio " << ratio << ", frame top " << frame.top;
                EXPECT_EQ(outerTwips(placed, frame, ratio), stored);
            }
        }
    }
}

struct TwipsCase {
    const char* name;
    Rect client;
    FrameExtents frame;
    double ratio;
    TwipsRect expected;
};

class OuterTwips : public ::testing::TestWithParam<TwipsCase> {};

TEST_P(OuterTwips, CountsTheFrameInLogicalPixels) {
    const TwipsCase& c = GetParam();
    EXPECT_EQ(outerTwips(c.client, c.frame, c.ratio), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OuterTwips,
    ::testing::Values(
        TwipsCase{"ScaleOne", {101, 102, 398, 137}, kThinFrame, 1.0, {1500, 1200, 6000, 2400}},
        // The frame's 22 device pixels are 11 logical ones, not 22 (which made the window creep).
        TwipsCase{"ScaleTwoHalvesTheFrame",
                  {101, 91, 399, 149},
                  kThinFrame,
                  2.0,
                  {1508, 1200, 6000, 2408}},
        TwipsCase{
            "ScaleOneAndAQuarter", {101, 98, 398, 142}, kThinFrame, 1.25, {1503, 1206, 5994, 2406}},
        TwipsCase{"NeverAnEmptySize", {5, 5, 0, -3}, kNoFrame, 1.0, {75, 75, 15, 15}}),
    [](const ::testing::TestParamInfo<TwipsCase>& info) { return info.param.name; });

struct PlaceCase {
    const char* name;
    StoredGeometry stored;
    FrameExtents frame;
    double ratio;
    std::vector<Rect> screens;
    Rect expected;
};

class PlacedClient : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlacedClient, PlacesTheWholeWindowAsStoredAndOnAScreen) {
    const PlaceCase& c = GetParam();
    EXPECT_EQ(placedClient(c.stored, kDesign, c.frame, c.ratio, c.screens), c.expected);
}

const Rect kScreen{0, 0, 1280, 800};
// The same screen at a device pixel ratio of 2 and of 1.25, in logical pixels.
const Rect kScreenAtTwo{0, 0, 640, 400};
const Rect kScreenAtOneAndAQuarter{0, 0, 1024, 640};
const StoredGeometry kStored{1500, 1200, 6000, 2400};

INSTANTIATE_TEST_SUITE_P(
    Table, PlacedClient,
    ::testing::Values(
        PlaceCase{"NothingStoredIsCentredFrameIncluded",
                  {},
                  kThinFrame,
                  1.0,
                  {kScreen},
                  {484, 364, 312, 94}},
        PlaceCase{
            "AsStoredFrameIncluded", kStored, kThinFrame, 1.0, {kScreen}, {101, 102, 398, 137}},
        PlaceCase{"AtScaleTwoTheSameLogicalPlace",
                  kStored,
                  kThinFrame,
                  2.0,
                  {kScreenAtTwo},
                  {101, 91, 399, 149}},
        PlaceCase{"AtScaleOneAndAQuarter",
                  kStored,
                  kThinFrame,
                  1.25,
                  {kScreenAtOneAndAQuarter},
                  {101, 98, 398, 142}},
        PlaceCase{"LeftOfZeroIsCentredAcross",
                  {0, 1200, 6000, 2400},
                  kNoFrame,
                  1.0,
                  {kScreen},
                  {440, 80, 400, 160}},
        PlaceCase{"ANegativeSizeIsNotApplied",
                  {1500, 1200, -30, -375},
                  kNoFrame,
                  1.0,
                  {kScreen},
                  {100, 80, 312, 94}},
        PlaceCase{"ATinySizeStaysVisible",
                  {1500, 1200, 15, 15},
                  kThinFrame,
                  1.0,
                  {kScreen},
                  {101, 102, 24, 24}},
        PlaceCase{"AHugeSizeIsShrunkToTheScreen",
                  {1500, 1200, 3000000, 3000000},
                  kNoFrame,
                  1.0,
                  {kScreen},
                  {0, 0, 1280, 800}},
        PlaceCase{"OffEveryScreenComesBackWhole",
                  {300000, 300000, 6000, 2400},
                  kThinFrame,
                  1.0,
                  {kScreen},
                  {881, 662, 398, 137}},
        PlaceCase{"PartlyOffTheLeftEdgeComesInWhole",
                  {-3000, 1200, 6000, 2400},
                  kNoFrame,
                  1.0,
                  {kScreen},
                  {0, 80, 400, 160}},
        // The client area alone would be on the screen, the frame's top edge not.
        PlaceCase{"TheFrameCountsForTheEdge",
                  {1500, -15, 6000, 2400},
                  kThinFrame,
                  1.0,
                  {kScreen},
                  {101, 22, 398, 137}},
        PlaceCase{"APlaceOffTheSmallerLogicalScreenComesBack",
                  {15000, 9000, 4680, 1410},
                  kNoFrame,
                  2.0,
                  {kScreenAtTwo},
                  {328, 306, 312, 94}},
        PlaceCase{"OnTheSecondScreen",
                  {24000, 1500, 6000, 2400},
                  kNoFrame,
                  1.0,
                  {kScreen, {1280, 0, 1920, 1080}},
                  {1600, 100, 400, 160}}),
    [](const ::testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });

struct FitCase {
    const char* name;
    Size text;
    FrameExtents frame;
    double ratio;
    Rect area;
    Size client;
    double scale;
};

class FitText : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitText, ShowsTheWholeTextShrinkingItOnlyWhenTheScreenIsTooSmall) {
    const FitCase& c = GetParam();
    const TextFit fit = fitText(c.text, c.frame, c.ratio, c.area);
    EXPECT_EQ(fit.client, c.client);
    EXPECT_DOUBLE_EQ(fit.textScale, c.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FitText,
    ::testing::Values(
        // "Double Click Me" at 100 points.
        FitCase{"FitsAsItIs", {969, 149}, kThinFrame, 1.0, kScreen, {1043, 185}, 1.0},
        // Half a logical pixel of border on either side takes a whole one.
        FitCase{"ShrinksToTheNarrowLogicalScreen",
                {969, 149},
                kThinFrame,
                2.0,
                kScreenAtTwo,
                {638, 113},
                638.0 / 1043.0},
        FitCase{"ShrinksToALowScreen",
                {300, 400},
                kNoFrame,
                1.0,
                {0, 0, 1280, 300},
                {300, 300},
                300.0 / 500.0},
        FitCase{"NoTextNoWindowToFit", {0, 0}, kNoFrame, 1.0, kScreen, {0, 0}, 1.0}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return info.param.name; });

} // namespace
} // namespace tavrio
