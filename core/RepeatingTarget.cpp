#include "RepeatingTarget.h"

#include "DateValue.h"

#include <algorithm>
#include <chrono>

namespace tavrio {

namespace {

using namespace std::chrono;

// Day 0, 30 December 1899, was a Saturday.
bool onAWeekend(std::int64_t day) {
    const std::int64_t sinceSaturday = (day % 7 + 7) % 7;
    return sinceSaturday <= 1;
}

// Every `period` seconds from the target.
Occurrences everyPeriod(std::int64_t target, std::int64_t period, std::int64_t now) {
    const std::int64_t steps = (now - target + period - 1) / period;
    return {target + (steps - 1) * period, target + steps * period};
}

// Every day from Monday to Friday; the target itself counts whatever its day.
Occurrences everyWeekday(std::int64_t target, std::int64_t now) {
    Occurrences around = everyPeriod(target, kSecondsPerDay, now);
    while (onAWeekend(dayOfMoment(around.next))) {
        around.next += kSecondsPerDay;
    }
    while (around.latest > target && onAWeekend(dayOfMoment(around.latest))) {
        around.latest -= kSecondsPerDay;
    }
    return around;
}

std::optional<year_month_day> civilDay(std::int64_t day) {
    const auto civil = toCivil(dateValueOf(day, 0));
    return civil ? std::optional{civil->date} : std::nullopt;
}

// The calendar months of a target that repeats every `stride` months.
class MonthSteps {
public:
    MonthSteps(year_month_day target, unsigned keptDay, int stride)
        : first_(target.year() / target.month())
        , keptDay_(keptDay)
        , stride_(stride) {}

    // The day of the occurrence `steps` strides after the target's; none beyond the year 9999.
    std::optional<std::int64_t> dayOf(std::int64_t steps) const {
        const year_month month = first_ + months{static_cast<int>(steps * stride_)};
        const unsigned lastDay = static_cast<unsigned>((month / last).day());
        const auto value = toDateValue(month / day{std::min(keptDay_, lastDay)});
        return value ? std::optional{dayNumber(*value)} : std::nullopt;
    }

    // The whole strides from the target's month to a later one.
    std::int64_t stepsTo(year_month_day civil) const {
        return ((civil.year() / civil.month()) - first_).count() / stride_;
    }

private:
    year_month first_;
    unsigned keptDay_;
    int stride_;
};

// The kept day where it could have become the target's own in the target's month.
unsigned dayToKeep(year_month_day target, unsigned keptDay) {
    const unsigned own = static_cast<unsigned>(target.day());
    const unsigned lastDay = static_cast<unsigned>((target.year() / target.month() / last).day());
    return keptDay > own && keptDay <= 31 && std::min(keptDay, lastDay) == own ? keptDay : own;
}

std::optional<Occurrences> everyMonths(std::int64_t targetDay, std::int64_t second,
                                       unsigned keptDay, std::int64_t now, int stride) {
    const auto target = civilDay(targetDay);
    const auto present = civilDay(dayOfMoment(now));
    if (!target || !present) {
        return std::nullopt;
    }
    const MonthSteps steps(*target, dayToKeep(*target, keptDay), stride);
    std::int64_t step = std::max<std::int64_t>(steps.stepsTo(*present), 1);
    auto nextDay = steps.dayOf(step);
    if (nextDay && *nextDay * kSecondsPerDay + second < now) {
        nextDay = steps.dayOf(++step);
    }
    const auto before = step == 1 ? std::optional{targetDay} : steps.dayOf(step - 1);
    if (!nextDay || !before) {
        return std::nullopt;
    }
    return Occurrences{*before * kSecondsPerDay + second, *nextDay * kSecondsPerDay + second};
}

} // namespace

std::optional<Occurrences> occurrencesAround(Repeat repeat, std::int64_t targetDay,
                                             std::int64_t secondOfDay, unsigned keptDay,
                                             std::int64_t now) {
    const std::int64_t target = targetDay * kSecondsPerDay + secondOfDay;
    if (repeat == Repeat::Never || now <= target) {
        return std::nullopt;
    }
    std::optional<Occurrences> around;
    switch (repeat) {
    case Repeat::Never:
        break;
    case Repeat::EveryDay:
        around = everyPeriod(target, kSecondsPerDay, now);
        break;
    case Repeat::EveryWeekday:
        around = everyWeekday(target, now);
        break;
    case Repeat::EveryWeek:
        around = everyPeriod(target, 7 * kSecondsPerDay, now);
        break;
    case Repeat::EveryMonth:
        return everyMonths(targetDay, secondOfDay, keptDay, now, 1);
    case Repeat::EveryYear:
        return everyMonths(targetDay, secondOfDay, keptDay, now, 12);
    }
    if (around && !civilDay(dayOfMoment(around->next))) {
        return std::nullopt;
    }
    return around;
}

} // namespace tavrio
