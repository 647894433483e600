#include "RemainingTime.h"

#include <cstdio>

namespace tavrio {

std::optional<std::int64_t> targetMoment(DateValue targetDate, DateValue targetTime) {
    if (targetDate == 0.0) {
        return std::nullopt;
    }
    return dayNumber(targetDate) * kSecondsPerDay + secondOfDay(targetTime);
}

Countdown countdownAt(DateValue targetDate, DateValue targetTime, DateValue now) {
    const auto moment = targetMoment(targetDate, targetTime);
    if (!moment) {
        return {};
    }
    const std::int64_t present = linearSeconds(now);
    if (present > *moment) {
        return {Countdown::State::Passed, *moment, 0};
    }
    return {Countdown::State::Running, *moment, *moment - present};
}

RemainingTime remainingTime(DateValue targetDate, DateValue targetTime, DateValue now) {
    const Countdown countdown = countdownAt(targetDate, targetTime, now);
    if (countdown.state != Countdown::State::Running) {
        return {countdown.state, {}};
    }
    const std::int64_t days = countdown.remaining / kSecondsPerDay;
    const std::int64_t rest = countdown.remaining % kSecondsPerDay;
    char text[48];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld:%02lld", static_cast<long long>(days),
                  static_cast<long long>(rest / 3600), static_cast<long long>(rest % 3600 / 60),
                  static_cast<long long>(rest % 60));
    return {Countdown::State::Running, text};
}

} // namespace tavrio
