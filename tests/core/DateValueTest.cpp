#include "DateValue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>

namespace tavrio {
namespace {

using namespace std::chrono;

constexpr std::int64_t kFirstDay = -657434; // 0100-01-01
constexpr std::int64_t kLastDay = 2958465;  // 9999-12-31

struct CalendarCase {
    std::string name;
    year_month_day date;
    seconds timeOfDay;
    DateValue value;
};

class CalendarConversion : public ::testing::TestWithParam<CalendarCase> {};

TEST_P(CalendarConversion, DateToValue) {
    const CalendarCase& c = GetParam();
    const auto value = toDateValue(c.date, c.timeOfDay);
    ASSERT_TRUE(value.has_value());
    EXPECT_DOUBLE_EQ(*value, c.value);
}

TEST_P(CalendarConversion, ValueToDate) {
    const CalendarCase& c = GetParam();
    EXPECT_EQ(toCivil(c.value), (CivilDateTime{c.date, c.timeOfDay}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CalendarConversion,
    ::testing::Values(
        CalendarCase{"ZeroDay", 1899y / December / 30, 0s, 0.0},
        CalendarCase{"ZeroDayNoon", 1899y / December / 30, 12h, 0.5},
        CalendarCase{"DayOne", 1899y / December / 31, 0s, 1.0},
        CalendarCase{"FirstOf1900", 1900y / January / 1, 0s, 2.0},
        CalendarCase{"NoLeapDayIn1900", 1900y / March / 1, 0s, 61.0},
        CalendarCase{"LeapDayIn2000", 2000y / February / 29, 0s, 36585.0},
        CalendarCase{"EveningOfFebruary10th2007", 2007y / February / 10, 18h, 39123.75},
        CalendarCase{"DayBeforeZeroMorning", 1899y / December / 29, 6h, -1.25},
        CalendarCase{"DayBeforeZeroEvening", 1899y / December / 29, 18h, -1.75},
        CalendarCase{"LastSecondBeforeZeroDay", 1899y / December / 29, 86399s,
                     -1.99998842592592593},
        CalendarCase{"FirstDay", 100y / January / 1, 0s, -657434.0},
        CalendarCase{"FirstDayLastSecond", 100y / January / 1, 86399s, -657434.99998842592},
        CalendarCase{"LastDay", 9999y / December / 31, 0s, 2958465.0},
        CalendarCase{"LastDayLastSecond", 9999y / December / 31, 86399s, 2958465.99998842592}),
    [](const auto& info) { return info.param.name; });

struct InvalidDateCase {
    std::string name;
    year_month_day date;
    seconds timeOfDay;
};

class InvalidCalendarDate : public ::testing::TestWithParam<InvalidDateCase> {};

TEST_P(InvalidCalendarDate, HasNoValue) {
    EXPECT_EQ(toDateValue(GetParam().date, GetParam().timeOfDay), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, InvalidCalendarDate,
    ::testing::Values(InvalidDateCase{"February29th1900", 1900y / February / 29, 0s},
                      InvalidDateCase{"February29thOfCommonYear", 2007y / February / 29, 0s},
                      InvalidDateCase{"February30th", 2008y / February / 30, 0s},
                      InvalidDateCase{"April31st", 2007y / April / 31, 0s},
                      InvalidDateCase{"Month13", year{2007} / month{13} / 1, 0s},
                      InvalidDateCase{"Day0", year{2007} / 1 / day{0}, 0s},
                      InvalidDateCase{"YearBeforeRange", 99y / December / 31, 0s},
                      InvalidDateCase{"YearAfterRange", 10000y / January / 1, 0s},
                      InvalidDateCase{"NegativeTime", 2007y / February / 10, -1s},
                      InvalidDateCase{"TimeOfAWholeDay", 2007y / February / 10, 86400s}),
    [](const auto& info) { return info.param.name; });

struct UnconvertibleCase {
    std::string name;
    DateValue value;
};

class UnconvertibleValue : public ::testing::TestWithParam<UnconvertibleCase> {};

TEST_P(UnconvertibleValue, HasNoCalendarDate) {
    EXPECT_EQ(toCivil(GetParam().value), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnconvertibleValue,
    ::testing::Values(UnconvertibleCase{"NotANumber", std::numeric_limits<double>::quiet_NaN()},
                      UnconvertibleCase{"PlusInfinity", std::numeric_limits<double>::infinity()},
                      UnconvertibleCase{"MinusInfinity", -std::numeric_limits<double>::infinity()},
                      UnconvertibleCase{"DayBeforeFirst", static_cast<double>(kFirstDay - 1)},
                      UnconvertibleCase{"DayBeforeFirstEvening",
                                        static_cast<double>(kFirstDay - 1) - 0.75},
                      UnconvertibleCase{"DayAfterLast", static_cast<double>(kLastDay + 1)},
                      // A day count that a 32-bit calendar computation would wrap onto 2007-02-10.
                      UnconvertibleCase{"WrapsOnto2007In32Bits", 4294967296.0 + 39123.0},
                      UnconvertibleCase{"Huge", 1e300}, UnconvertibleCase{"HugeNegative", -1e300}),
    [](const auto& info) { return info.param.name; });

struct PartsCase {
    std::string name;
    DateValue value;
    std::int64_t day;
    std::int64_t second;
    std::int64_t linear;
};

class ValueParts : public ::testing::TestWithParam<PartsCase> {};

TEST_P(ValueParts, SplitIntoDayAndSecond) {
    const PartsCase& c = GetParam();
    EXPECT_EQ(dayNumber(c.value), c.day);
    EXPECT_EQ(secondOfDay(c.value), c.second);
    EXPECT_EQ(linearSeconds(c.value), c.linear);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueParts,
    ::testing::Values(PartsCase{"Zero", 0.0, 0, 0, 0},
                      PartsCase{"Evening", 39123.75, 39123, 64800, 39123 * 86400LL + 64800},
                      PartsCase{"MorningBeforeZero", -1.25, -1, 21600, -64800},
                      PartsCase{"EveningBeforeZeroIsLater", -1.75, -1, 64800, -21600},
                      PartsCase{"NegativeFractionOfDayZero", -0.5, 0, 43200, 43200},
                      PartsCase{"FractionOfASecondIsDropped", 0.75 + 0.999 / 86400, 0, 64800,
                                64800},
                      PartsCase{"FractionOfASecondIsDroppedLateInRange", 2958465.75 + 0.999 / 86400,
                                2958465, 64800, 2958465 * 86400LL + 64800},
                      PartsCase{"HairBeforeMidnightStaysInTheDay", 1.0 - 1e-12, 0, 86399, 86399},
                      PartsCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), 0, 0, 0}),
    [](const auto& info) { return info.param.name; });

// Every whole second must survive the trip through the binary fraction, also where the day
// number leaves the fewest bits for it.
TEST(DateValueSeconds, EverySecondOfTheExtremeDaysReadsBack) {
    for (const std::int64_t day : {kFirstDay, std::int64_t{-1}, std::int64_t{0}, kLastDay}) {
        int failures = 0;
        for (std::int64_t second = 0; second < kSecondsPerDay && failures < 5; ++second) {
            const DateValue value = dateValueOf(day, second);
            if (dayNumber(value) != day || secondOfDay(value) != second) {
                ADD_FAILURE() << "day " << day << " second " << second;
                ++failures;
            }
        }
    }
}

TEST(DateValueSeconds, LinearSecondsRiseByOneAcrossTheZeroDay) {
    std::int64_t previous = linearSeconds(dateValueOf(-2, 0));
    for (std::int64_t day = -2; day <= 1; ++day) {
        for (std::int64_t second = day == -2 ? 1 : 0; second < kSecondsPerDay; ++second) {
            const std::int64_t current = linearSeconds(dateValueOf(day, second));
            ASSERT_EQ(current, previous + 1) << "day " << day << " second " << second;
            previous = current;
        }
    }
}

} // namespace
} // namespace tavrio
