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

std::string RemainingTimeText(DateValue targetDate, DateValue targetTime, DateValue now) {
    const Countdown countdown = countdownAt(targetDate, targetTime, now);
    switch (countdown.state) {
    case Countdown::State::NoTarget:
        return std::string{kNoTargetText};
    case Countdown::State::Passed:
        return std::string{kTargetPassedText};
    case Countdown::State::Running:
        break;
    }
    const std::int64_t remaining = countdown.remaining;
    const std::int64_t days = remaining / kSecondsPerDay;
    const std::int64_t rest = remaining % kSecondsPerDay;
    char text[48];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld:%02lld", static_cast<long long>(days),
                  static_cast<long long>(rest / 3600), static_cast<long long>(rest % 3600 / 60),
                  static_cast<long long>(rest % 60));
    return text;
}

} // namespace tavrio
