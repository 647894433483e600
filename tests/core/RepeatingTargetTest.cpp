#include "RepeatingTarget.h"

#include "DateValue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>

namespace tavrio {

void PrintTo(const Occurrences& around, std::ostream* out) {
    *out << "latest " << around.latest << ", next " << around.next;
}

namespace {

using namespace std::chrono;
using enum Repeat;

std::int64_t moment(int y, unsigned mo, unsigned d, int h = 9, int mi = 0) {
    return linearSeconds(toDateValue(year{y} / mo / d, hours{h} + minutes{mi}).value());
}

struct Case {
    const char* name;
    Repeat repeat;
    std::int64_t target;
    std::int64_t now;
    std::optional<Occurrences> expected;
};

class OccurrencesAround : public ::testing::TestWithParam<Case> {};

TEST_P(OccurrencesAround, FindsTheLatestPassedAndTheNextAhead) {
    const Case& c = GetParam();
    EXPECT_EQ(occurrencesAround(c.repeat, dayOfMoment(c.target), c.target % kSecondsPerDay, c.now),
              c.expected);
}

Occurrences around(std::int64_t latest, std::int64_t next) {
    return {latest, next};
}

// 2027-01-29 is a Friday.
INSTANTIATE_TEST_SUITE_P(
    Table, OccurrencesAround,
    ::testing::Values(
        Case{"NeverRepeats", Never, moment(2027, 1, 29), moment(2027, 1, 30), std::nullopt},
        Case{"NotPassedYet", EveryDay, moment(2027, 1, 29), moment(2027, 1, 29), std::nullopt},
        Case{"DaysMissedAreSkipped", EveryDay, moment(2027, 1, 29), moment(2027, 2, 2, 10),
             around(moment(2027, 2, 2), moment(2027, 2, 3))},
        Case{"SpringForwardSkipsTheTargetTime", EveryDay, moment(2026, 3, 29, 2, 30),
             moment(2026, 3, 29, 3),
             around(moment(2026, 3, 29, 2, 30), moment(2026, 3, 30, 2, 30))},
        Case{"FridayToMonday", EveryWeekday, moment(2027, 1, 29), moment(2027, 1, 29, 10),
             around(moment(2027, 1, 29), moment(2027, 2, 1))},
        Case{"MondayMorningLooksBackToFriday", EveryWeekday, moment(2027, 1, 27),
             moment(2027, 2, 1, 8), around(moment(2027, 1, 29), moment(2027, 2, 1))},
        Case{"ASaturdayTargetItselfCounts", EveryWeekday, moment(2027, 1, 30), moment(2027, 1, 31),
             around(moment(2027, 1, 30), moment(2027, 2, 1))},
        Case{"Week", EveryWeek, moment(2027, 1, 29), moment(2027, 2, 10),
             around(moment(2027, 2, 5), moment(2027, 2, 12))},
        Case{"The31stInFebruary", EveryMonth, moment(2027, 1, 31), moment(2027, 2, 1),
             around(moment(2027, 1, 31), moment(2027, 2, 28))},
        Case{"The31stSkipsApril", EveryMonth, moment(2027, 3, 31), moment(2027, 4, 30, 10),
             around(moment(2027, 4, 30), moment(2027, 5, 31))},
        Case{"MonthsMissedAcrossTheYear", EveryMonth, moment(2026, 11, 30), moment(2027, 2, 1),
             around(moment(2027, 1, 30), moment(2027, 2, 28))},
        Case{"LeapDayOnThe28th", EveryYear, moment(2024, 2, 29), moment(2024, 3, 1),
             around(moment(2024, 2, 29), moment(2025, 2, 28))},
        Case{"NoNextBeyond9999", EveryYear, moment(9999, 6, 1), moment(9999, 6, 2), std::nullopt}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

} // namespace
} // namespace tavrio
