#include "RemainingTime.h"

#include <cstdio>

namespace tavrio {

std::optional<std::int64_t> targetMoment(DateValue targetDate, DateValue targetTime) {
    if (targetDate == 0.0) {
        return std::nullopt;
    }
    return dayNumber(targetDate) * kSecondsPerDay + secondOfDay(targetTime);
}

RemainingTime remainingTime(DateValue targetDate, DateValue targetTime, DateValue now) {
    const auto moment = targetMoment(targetDate, targetTime);
    if (!moment) {
        return {Countdown::NoTarget, {}};
    }
    const std::int64_t target = *moment;
    const std::int64_t present = linearSeconds(now);
    if (present > target) {
        return {Countdown::Passed, {}};
    }
    const std::int64_t remaining = target - present;
    const std::int64_t days = remaining / kSecondsPerDay;
    const std::int64_t rest = remaining % kSecondsPerDay;
    char text[48];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld:%02lld", static_cast<long long>(days),
                  static_cast<long long>(rest / 3600), static_cast<long long>(rest % 3600 / 60),
                  static_cast<long long>(rest % 60));
    return {Countdown::Running, text};
}

} // namespace tavrio
