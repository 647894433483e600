#include "RemainingTime.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tavrio {
namespace {

using namespace std::chrono;

DateValue at(int y, unsigned mo, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return toDateValue(year{y} / mo / d, hours{h} + minutes{mi} + seconds{s}).value();
}

DateValue timeOfDay(int h, int mi, int s) {
    return at(1899, 12, 30, h, mi, s);
}

struct Case {
    const char* name;
    DateValue targetDate;
    DateValue targetTime;
    DateValue now;
    const char* expected;
};

class RemainingTimeText_ : public ::testing::TestWithParam<Case> {};

TEST_P(RemainingTimeText_, ShowsTheExpectedText) {
    const Case& c = GetParam();
    EXPECT_EQ(RemainingTimeText(c.targetDate, c.targetTime, c.now), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RemainingTimeText_,
    ::testing::Values(
        Case{"NoTarget", 0.0, timeOfDay(19, 23, 45), at(2007, 2, 7, 18), "Double Click Me"},
        Case{"DaysAhead", at(2007, 2, 10), timeOfDay(19, 23, 45), at(2007, 2, 7, 18), "3:01:23:45"},
        Case{"LaterTimeOfDayBorrowsADay", at(2007, 2, 10), timeOfDay(19, 23, 45),
             at(2007, 2, 7, 20), "2:23:23:45"},
        Case{"OneSecondBeforeWholeDays", at(2007, 2, 10), timeOfDay(19, 23, 45),
             at(2007, 2, 7, 19, 23, 44), "3:00:00:01"},
        Case{"ExactlyWholeDays", at(2007, 2, 10), timeOfDay(19, 23, 45), at(2007, 2, 7, 19, 23, 45),
             "3:00:00:00"},
        Case{"OneSecondPastWholeDays", at(2007, 2, 10), timeOfDay(19, 23, 45),
             at(2007, 2, 7, 19, 23, 46), "2:23:59:59"},
        Case{"LastSecond", at(2007, 2, 10), timeOfDay(19, 23, 45), at(2007, 2, 10, 19, 23, 44),
             "0:00:00:01"},
        Case{"TheTargetSecondShowsZero", at(2007, 2, 10), timeOfDay(19, 23, 45),
             at(2007, 2, 10, 19, 23, 45), "0:00:00:00"},
        Case{"Passed", at(2007, 2, 10), timeOfDay(19, 23, 45), at(2007, 2, 10, 19, 23, 46),
             "Congrats!!!"},
        Case{"OnlyTheDayOfTheDateAndTheTimeOfTheTimeCount", at(2007, 2, 10, 8),
             at(2006, 5, 1, 19, 23, 45), at(2007, 2, 10, 9), "0:10:23:45"},
        Case{"DaysHaveNoFixedWidth", at(2008, 2, 7), timeOfDay(0, 0, 1), at(2007, 2, 7),
             "365:00:00:01"},
        Case{"MidnightTarget", at(2007, 2, 10), timeOfDay(0, 0, 0), at(2007, 2, 9), "1:00:00:00"},
        Case{"MidnightTargetLastSecond", at(2007, 2, 10), timeOfDay(0, 0, 0),
             at(2007, 2, 9, 23, 59, 59), "0:00:00:01"},
        Case{"AcrossTheYear", at(2007, 1, 1), timeOfDay(0, 0, 0), at(2006, 12, 31, 12),
             "0:12:00:00"},
        Case{"ATimeOnTheZeroDayIsATargetLongPassed", timeOfDay(19, 0, 0), timeOfDay(8, 0, 0),
             at(1899, 12, 30, 8, 0, 1), "Congrats!!!"},
        Case{"ATargetTimeIgnoresItsDay", at(2007, 2, 10), at(1950, 6, 1, 6, 0, 0),
             at(2007, 2, 10, 5, 59, 59), "0:00:00:01"},
        Case{"BeforeTheZeroDay", at(1899, 12, 29), timeOfDay(6, 0, 0), at(1899, 12, 28, 6),
             "1:00:00:00"},
        Case{"AcrossTheZeroDay", at(1899, 12, 31), timeOfDay(0, 0, 0), at(1899, 12, 29, 18),
             "1:06:00:00"},
        Case{"TheWholeRange", at(9999, 12, 31), timeOfDay(23, 59, 59), at(100, 1, 1),
             "3615899:23:59:59"}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(RemainingTimeText, AFractionOfASecondCountsAsItsWholeSecond) {
    const DateValue justBefore = at(2007, 2, 7, 18) + 0.999 / kSecondsPerDay;
    EXPECT_EQ(RemainingTimeText(at(2007, 2, 10), timeOfDay(19, 23, 45), justBefore), "3:01:23:45");
    const DateValue targetSecond = at(2007, 2, 10, 19, 23, 45) + 0.999 / kSecondsPerDay;
    EXPECT_EQ(RemainingTimeText(at(2007, 2, 10), timeOfDay(19, 23, 45), targetSecond),
              "0:00:00:00");
}

TEST(RemainingTimeText, OnlyAnExactZeroMeansNoTarget) {
    EXPECT_EQ(RemainingTimeText(-0.0, 0.5, at(2007, 2, 7)), "Double Click Me");
    // Day zero with a time of day is a set target, long passed.
    EXPECT_EQ(RemainingTimeText(0.25, 0.5, at(2007, 2, 7)), "Congrats!!!");
}

TEST(RemainingTimeText, CongratsIsNotLatched) {
    const DateValue date = at(2007, 2, 10);
    const DateValue time = timeOfDay(12, 0, 0);
    EXPECT_EQ(RemainingTimeText(date, time, at(2007, 2, 10, 12, 0, 1)), "Congrats!!!");
    // The clock set back, or the target moved ahead, counts again.
    EXPECT_EQ(RemainingTimeText(date, time, at(2007, 2, 10, 11, 0, 0)), "0:01:00:00");
}

} // namespace
} // namespace tavrio
