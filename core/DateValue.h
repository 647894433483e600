// The one representation of dates and times in Tavrio: a signed count of days from
// 1899-12-30 00:00 local time (an OLE Automation date). The whole part is the calendar day,
// the fraction the time of day; whole seconds are the finest unit we carry. Before the zero
// day the whole part counts backwards while the fraction still counts forwards, so -1.25 is
// 1899-12-29 06:00. Only the years 100 to 9999 convert to and from calendar dates.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace tavrio {

using DateValue = double;

inline constexpr std::int64_t kSecondsPerDay = 86400;
inline constexpr std::chrono::year kFirstYear{100};
inline constexpr std::chrono::year kLastYear{9999};

struct CivilDateTime {
    std::chrono::year_month_day date;
    std::chrono::seconds timeOfDay{0}; // 0 to 86399

    bool operator==(const CivilDateTime&) const = default;
};

// The calendar day of a value: its whole part, counted from the zero day.
std::int64_t dayNumber(DateValue value);

// The time of day in whole seconds, 0 to 86399; a fraction of a second counts as its whole
// second (18:00:00.999 is 18:00:00).
std::int64_t secondOfDay(DateValue value);

// The moment as seconds from 1899-12-30 00:00 on a line without the backwards-counting
// days, so that later moments always give larger numbers.
std::int64_t linearSeconds(DateValue value);

// The calendar day (as dayNumber counts) of a moment on the line of linearSeconds.
std::int64_t dayOfMoment(std::int64_t moment);

// The value of a day number and a time of day (0 to 86399 seconds).
DateValue dateValueOf(std::int64_t dayNumber, std::int64_t secondOfDay);

// Calendar date and time of day to a value; no value for an invalid date, a year outside
// 100 to 9999, or a time of day outside 0 to 86399 seconds.
std::optional<DateValue> toDateValue(std::chrono::year_month_day date,
                                     std::chrono::seconds timeOfDay = std::chrono::seconds{0});

// A value to calendar date and time of day; no value when it is not finite or its day lies
// outside the years 100 to 9999.
std::optional<CivilDateTime> toCivil(DateValue value);

} // namespace tavrio
