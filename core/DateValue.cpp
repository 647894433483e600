#include "DateValue.h"

#include <algorithm>
#include <cmath>

namespace tavrio {

namespace {

using namespace std::chrono;

constexpr sys_days kZeroDay = sys_days{1899y / December / 30};

// The calendar conversion of the standard library wraps day counts far outside its year range
// back into it, so the range is checked on the day number before converting.
constexpr std::int64_t kFirstDay = (sys_days{kFirstYear / January / 1} - kZeroDay).count();
constexpr std::int64_t kLastDay = (sys_days{kLastYear / December / 31} - kZeroDay).count();

// Far beyond the years 100 to 9999 (about 3.6 million days either way), yet small enough that
// the arithmetic below cannot overflow whatever double it is given.
constexpr double kDayLimit = 1e12;

// Our conversions put whole seconds into the fraction; reading them back may land a hair below
// the second in binary, which this tolerance absorbs without rounding up real fractions. The
// error is at most half a unit in the last place of a day number near 9999, about 2e-5 seconds.
constexpr double kSecondTolerance = 1e-4;

} // namespace

std::int64_t dayNumber(DateValue value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<std::int64_t>(std::clamp(std::trunc(value), -kDayLimit, kDayLimit));
}

std::int64_t secondOfDay(DateValue value) {
    if (!std::isfinite(value) || std::fabs(value) > kDayLimit) {
        return 0;
    }
    const double fraction = std::fabs(value - std::trunc(value));
    const auto seconds =
        static_cast<std::int64_t>(std::floor(fraction * kSecondsPerDay + kSecondTolerance));
    return std::min<std::int64_t>(seconds, kSecondsPerDay - 1);
}

std::int64_t linearSeconds(DateValue value) {
    return dayNumber(value) * kSecondsPerDay + secondOfDay(value);
}

std::int64_t dayOfMoment(std::int64_t moment) {
    return moment / kSecondsPerDay - (moment % kSecondsPerDay < 0 ? 1 : 0);
}

DateValue dateValueOf(std::int64_t day, std::int64_t second) {
    const double fraction = static_cast<double>(second) / kSecondsPerDay;
    const auto whole = static_cast<double>(day);
    return day < 0 ? whole - fraction : whole + fraction;
}

std::optional<DateValue> toDateValue(year_month_day date, seconds timeOfDay) {
    if (!date.ok() || date.year() < kFirstYear || date.year() > kLastYear ||
        timeOfDay < seconds{0} || timeOfDay >= seconds{kSecondsPerDay}) {
        return std::nullopt;
    }
    const auto day = (sys_days{date} - kZeroDay).count();
    return dateValueOf(day, timeOfDay.count());
}

std::optional<CivilDateTime> toCivil(DateValue value) {
    if (!std::isfinite(value) || std::fabs(value) > kDayLimit) {
        return std::nullopt;
    }
    const std::int64_t day = dayNumber(value);
    if (day < kFirstDay || day > kLastDay) {
        return std::nullopt;
    }
    return CivilDateTime{year_month_day{kZeroDay + days{day}}, seconds{secondOfDay(value)}};
}

} // namespace tavrio
