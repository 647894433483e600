#include "RemainingTime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>

namespace tavrio {

void PrintTo(const RemainingTime& remaining, std::ostream* out) {
    static constexpr const char* kStates[] = {"no target", "running", "passed", "counting up"};
    *out << kStates[static_cast<int>(remaining.state)] << " \"" << remaining.left << '"';
}

namespace {

using namespace std::chrono;

DateValue at(int y, unsigned mo, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return toDateValue(year{y} / mo / d, hours{h} + minutes{mi} + seconds{s}).value();
}

DateValue timeOfDay(int h, int mi, int s) {
    return at(1899, 12, 30, h, mi, s);
}

const RemainingTime kNoTarget{Countdown::State::NoTarget, ""};
const RemainingTime kPassed{Countdown::State::Passed, ""};

RemainingTime running(const char* left) {
    return {Countdown::State::Running, left};
}

struct Case {
    const char* name;
    DateValue targetDate;
    DateValue targetTime;
    DateValue now;
    RemainingTime expected;
};

class RemainingTime_ : public ::testing::TestWithParam<Case> {};

TEST_P(RemainingTime_, ShowsTheExpectedText) {
    const Case& c = GetParam();
    EXPECT_EQ(remainingTime(c.targetDate, c.targetTime, c.now), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RemainingTime_,
    ::testing::Values(Case{"NoTarget", 0.0, timeOfDay(19, 23, 45), at(2007, 2, 7, 18), kNoTarget},
                      Case{"DaysAhead", at(2007, 2, 10), timeOfDay(19, 23, 45), at(2007, 2, 7, 18),
                           running("3:01:23:45")},
                      Case{"LaterTimeOfDayBorrowsADay", at(2007, 2, 10), timeOfDay(19, 23, 45),
                           at(2007, 2, 7, 20), running("2:23:23:45")},
                      Case{"OneSecondBeforeWholeDays", at(2007, 2, 10), timeOfDay(19, 23, 45),
                           at(2007, 2, 7, 19, 23, 44), running("3:00:00:01")},
                      Case{"ExactlyWholeDays", at(2007, 2, 10), timeOfDay(19, 23, 45),
                           at(2007, 2, 7, 19, 23, 45), running("3:00:00:00")},
                      Case{"OneSecondPastWholeDays", at(2007, 2, 10), timeOfDay(19, 23, 45),
                           at(2007, 2, 7, 19, 23, 46), running("2:23:59:59")},
                      Case{"LastSecond", at(2007, 2, 10), timeOfDay(19, 23, 45),
                           at(2007, 2, 10, 19, 23, 44), running("0:00:00:01")},
                      Case{"TheTargetSecondShowsZero", at(2007, 2, 10), timeOfDay(19, 23, 45),
                           at(2007, 2, 10, 19, 23, 45), running("0:00:00:00")},
                      Case{"Passed", at(2007, 2, 10), timeOfDay(19, 23, 45),
                           at(2007, 2, 10, 19, 23, 46), kPassed},
                      Case{"OnlyTheDayOfTheDateAndTheTimeOfTheTimeCount", at(2007, 2, 10, 8),
                           at(2006, 5, 1, 19, 23, 45), at(2007, 2, 10, 9), running("0:10:23:45")},
                      Case{"DaysHaveNoFixedWidth", at(2008, 2, 7), timeOfDay(0, 0, 1),
                           at(2007, 2, 7), running("365:00:00:01")},
                      Case{"MidnightTarget", at(2007, 2, 10), timeOfDay(0, 0, 0), at(2007, 2, 9),
                           running("1:00:00:00")},
                      Case{"MidnightTargetLastSecond", at(2007, 2, 10), timeOfDay(0, 0, 0),
                           at(2007, 2, 9, 23, 59, 59), running("0:00:00:01")},
                      Case{"AcrossTheYear", at(2007, 1, 1), timeOfDay(0, 0, 0),
                           at(2006, 12, 31, 12), running("0:12:00:00")},
                      Case{"ATimeOnTheZeroDayIsATargetLongPassed", timeOfDay(19, 0, 0),
                           timeOfDay(8, 0, 0), at(1899, 12, 30, 8, 0, 1), kPassed},
                      Case{"ATargetTimeIgnoresItsDay", at(2007, 2, 10), at(1950, 6, 1, 6, 0, 0),
                           at(2007, 2, 10, 5, 59, 59), running("0:00:00:01")},
                      Case{"BeforeTheZeroDay", at(1899, 12, 29), timeOfDay(6, 0, 0),
                           at(1899, 12, 28, 6), running("1:00:00:00")},
                      Case{"AcrossTheZeroDay", at(1899, 12, 31), timeOfDay(0, 0, 0),
                           at(1899, 12, 29, 18), running("1:06:00:00")},
                      Case{"TheWholeRange", at(9999, 12, 31), timeOfDay(23, 59, 59), at(100, 1, 1),
                           running("3615899:23:59:59")}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(RemainingTime, AFractionOfASecondCountsAsItsWholeSecond) {
    const DateValue justBefore = at(2007, 2, 7, 18) + 0.999 / kSecondsPerDay;
    EXPECT_EQ(remainingTime(at(2007, 2, 10), timeOfDay(19, 23, 45), justBefore),
              running("3:01:23:45"));
    const DateValue targetSecond = at(2007, 2, 10, 19, 23, 45) + 0.999 / kSecondsPerDay;
    EXPECT_EQ(remainingTime(at(2007, 2, 10), timeOfDay(19, 23, 45), targetSecond),
              running("0:00:00:00"));
}

TEST(RemainingTime, OnlyAnExactZeroMeansNoTarget) {
    EXPECT_EQ(remainingTime(-0.0, 0.5, at(2007, 2, 7)), kNoTarget);
    // Day zero with a time of day is a set target, long passed.
    EXPECT_EQ(remainingTime(0.25, 0.5, at(2007, 2, 7)), kPassed);
}

TEST(RemainingTime, PassedIsNotLatched) {
    const DateValue date = at(2007, 2, 10);
    const DateValue time = timeOfDay(12, 0, 0);
    EXPECT_EQ(remainingTime(date, time, at(2007, 2, 10, 12, 0, 1)), kPassed);
    // The clock set back, or the target moved ahead, counts again.
    EXPECT_EQ(remainingTime(date, time, at(2007, 2, 10, 11, 0, 0)), running("0:01:00:00"));
}

RemainingTime countingUp(const char* since) {
    return {Countdown::State::CountingUp, since};
}

// A target on Friday 2027-01-29 at 09:00, with the choices of each row.
struct ChoiceCase {
    const char* name;
    AfterTarget after;
    Repeat repeat;
    DateValue now;
    RemainingTime expected;
    // The day the stored target moves to, if it does.
    std::optional<DateValue> movedTo;
};

class WithChoices : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(WithChoices, MarksTheMomentThenCountsUpOrOn) {
    const ChoiceCase& c = GetParam();
    const Target target{at(2027, 1, 29), timeOfDay(9, 0, 0), c.after, c.repeat};
    EXPECT_EQ(remainingTime(target, c.now), c.expected);
    EXPECT_EQ(movedTargetDate(target, c.now), c.movedTo);
}

using enum AfterTarget;
using enum Repeat;

INSTANTIATE_TEST_SUITE_P(
    Table, WithChoices,
    ::testing::Values(ChoiceCase{"CountUpStillRunsToTheTarget", CountUp, Never, at(2027, 1, 29, 9),
                                 running("0:00:00:00"), std::nullopt},
                      ChoiceCase{"CountUpMarksTheFirstMinute", CountUp, Never,
                                 at(2027, 1, 29, 9, 0, 59), kPassed, std::nullopt},
                      ChoiceCase{"CountUpAfterAMinute", CountUp, Never, at(2027, 1, 29, 9, 1, 0),
                                 countingUp("+0:00:01:00"), std::nullopt},
                      ChoiceCase{"ARepeatMarksItsFirstMinute", Congrats, EveryDay,
                                 at(2027, 1, 29, 9, 0, 30), kPassed, std::nullopt},
                      ChoiceCase{"ARepeatThenCountsToTheNext", Congrats, EveryDay,
                                 at(2027, 1, 29, 9, 1, 0), running("0:23:59:00"), at(2027, 1, 30)},
                      ChoiceCase{"ARepeatDoesNotCountUp", CountUp, EveryWeekday,
                                 at(2027, 1, 29, 9, 1, 0), running("2:23:59:00"), at(2027, 2, 1)},
                      ChoiceCase{"AMissedOccurrenceJustReachedIsMarked", Congrats, EveryDay,
                                 at(2027, 2, 2, 9, 0, 10), kPassed, std::nullopt},
                      ChoiceCase{"MissedOccurrencesMoveToTheNextAhead", Congrats, EveryWeek,
                                 at(2027, 2, 20, 12), running("5:21:00:00"), at(2027, 2, 26)}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) { return info.param.name; });

} // namespace
} // namespace tavrio
