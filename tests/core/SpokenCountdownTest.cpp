#include "SpokenCountdown.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tavrio {
namespace {

constexpr std::int64_t kDay = kSecondsPerDay;
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kMinute = 60;

struct PartsCase {
    const char* name;
    std::int64_t remaining;
    std::vector<TimePart> expected;
};

class PartsToSay : public ::testing::TestWithParam<PartsCase> {};

TEST_P(PartsToSay, LeavesOutTheZeroParts) {
    EXPECT_EQ(partsToSay(GetParam().remaining), GetParam().expected);
}

using enum TimeUnit;

INSTANTIATE_TEST_SUITE_P(
    Table, PartsToSay,
    ::testing::Values(
        PartsCase{"AllFour",
                  3 * kDay + kHour + 23 * kMinute + 45,
                  {{Day, 3}, {Hour, 1}, {Minute, 23}, {Second, 45}}},
        PartsCase{"WholeDays", 365 * kDay, {{Day, 365}}},
        PartsCase{"ZerosInTheMiddle", 2 * kDay + 5, {{Day, 2}, {Second, 5}}},
        PartsCase{"HoursAndMinutes", 10 * kHour + 30 * kMinute, {{Hour, 10}, {Minute, 30}}},
        PartsCase{"OneOfEach",
                  kDay + kHour + kMinute + 1,
                  {{Day, 1}, {Hour, 1}, {Minute, 1}, {Second, 1}}},
        PartsCase{"LastSecond", 1, {{Second, 1}}},
        PartsCase{"TheTargetSecondItself", 0, {{Second, 0}}},
        PartsCase{"JustUnderADay", kDay - 1, {{Hour, 23}, {Minute, 59}, {Second, 59}}}),
    [](const ::testing::TestParamInfo<PartsCase>& info) { return info.param.name; });

using State = Countdown::State;

constexpr std::int64_t kTarget = 1'000'000;

Countdown running(std::int64_t now, std::int64_t target = kTarget) {
    return {State::Running, target, target - now};
}

struct DueCase {
    const char* name;
    std::optional<SpokenMoment> last;
    Countdown countdown;
    std::int64_t now;
    bool due;
};

class SpokenTextDue : public ::testing::TestWithParam<DueCase> {};

TEST_P(SpokenTextDue, ChangesAtMostOnceAMinuteWithTheTimeAlone) {
    const DueCase& c = GetParam();
    EXPECT_EQ(spokenTextDue(c.last, c.countdown, c.now), c.due);
}

constexpr std::int64_t kThen = kTarget - 5000;

INSTANTIATE_TEST_SUITE_P(
    Table, SpokenTextDue,
    ::testing::Values(DueCase{"NothingSaidYet", std::nullopt, running(kThen), kThen, true},
                      DueCase{"TheNextSecond", SpokenMoment{running(kThen), kThen},
                              running(kThen + 1), kThen + 1, false},
                      DueCase{"ASecondShortOfAMinute", SpokenMoment{running(kThen), kThen},
                              running(kThen + 59), kThen + 59, false},
                      DueCase{"AMinuteLater", SpokenMoment{running(kThen), kThen},
                              running(kThen + 60), kThen + 60, true},
                      DueCase{"ALateTick", SpokenMoment{running(kThen), kThen}, running(kThen + 75),
                              kThen + 75, true},
                      DueCase{"TheClockSetBack", SpokenMoment{running(kThen), kThen},
                              running(kThen - 1), kThen - 1, true},
                      DueCase{"TheTimeComes", SpokenMoment{running(kTarget - 1), kTarget - 1},
                              Countdown{State::Passed, kTarget, 0}, kTarget + 1, true},
                      DueCase{"ANewTarget", SpokenMoment{running(kThen), kThen},
                              running(kThen + 1, kTarget + kDay), kThen + 1, true},
                      DueCase{"TheTargetTakenAway", SpokenMoment{running(kThen), kThen},
                              Countdown{}, kThen + 1, true},
                      DueCase{"AFirstTarget", SpokenMoment{Countdown{}, kThen}, running(kThen + 1),
                              kThen + 1, true},
                      DueCase{"PassedLongAgo",
                              SpokenMoment{Countdown{State::Passed, kTarget, 0}, kTarget + 1},
                              Countdown{State::Passed, kTarget, 0}, kTarget + 3600, false},
                      DueCase{"NoTargetForLong", SpokenMoment{Countdown{}, kThen}, Countdown{},
                              kThen + 3600, false},
                      DueCase{"CountingUpTheNextSecond",
                              SpokenMoment{Countdown{State::CountingUp, kTarget, 0, 60}, kThen},
                              Countdown{State::CountingUp, kTarget, 0, 61}, kThen + 1, false},
                      DueCase{"CountingUpAMinuteLater",
                              SpokenMoment{Countdown{State::CountingUp, kTarget, 0, 60}, kThen},
                              Countdown{State::CountingUp, kTarget, 0, 120}, kThen + 60, true}),
    [](const ::testing::TestParamInfo<DueCase>& info) { return info.param.name; });

TEST(CountdownAt, TellsTheStateTheTargetAndTheSecondsLeft) {
    const DateValue day = dateValueOf(39123, 0); // 2007-02-10
    const DateValue time = dateValueOf(0, 19 * kHour);
    const std::int64_t target = 39123 * kDay + 19 * kHour;
    EXPECT_EQ(countdownAt(0.0, time, day), Countdown{});
    EXPECT_EQ(countdownAt(day, time, dateValueOf(39123, 18 * kHour)),
              (Countdown{State::Running, target, kHour}));
    EXPECT_EQ(countdownAt(day, time, dateValueOf(39123, 19 * kHour)),
              (Countdown{State::Running, target, 0}));
    EXPECT_EQ(countdownAt(day, time, dateValueOf(39123, 19 * kHour + 1)),
              (Countdown{State::Passed, target, 0}));
}

} // namespace
} // namespace tavrio
