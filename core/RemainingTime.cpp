#include "RemainingTime.h"

#include "RepeatingTarget.h"

#include <cstdio>

namespace tavrio {

namespace {

// Days, then hours, minutes and seconds of two digits each, after the prefix.
std::string daysAndTime(const char* prefix, std::int64_t seconds) {
    const std::int64_t days = seconds / kSecondsPerDay;
    const std::int64_t rest = seconds % kSecondsPerDay;
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld:%02lld:%02lld:%02lld", prefix,
                  static_cast<long long>(days), static_cast<long long>(rest / 3600),
                  static_cast<long long>(rest % 3600 / 60), static_cast<long long>(rest % 60));
    return text;
}

} // namespace

std::optional<std::int64_t> targetMoment(DateValue targetDate, DateValue targetTime) {
    if (targetDate == 0.0) {
        return std::nullopt;
    }
    return dayNumber(targetDate) * kSecondsPerDay + secondOfDay(targetTime);
}

Countdown countdownAt(DateValue targetDate, DateValue targetTime, DateValue now) {
    return countdownAt(Target{targetDate, targetTime}, now);
}

Countdown countdownAt(const Target& target, DateValue now) {
    const auto moment = targetMoment(target.date, target.time);
    if (!moment) {
        return {};
    }
    const std::int64_t present = linearSeconds(now);
    if (present <= *moment) {
        return {Countdown::State::Running, *moment, *moment - present};
    }
    if (const auto around = occurrencesAround(target.repeat, dayNumber(target.date),
                                              secondOfDay(target.time), target.keptDay, present)) {
        if (present - around->latest < kCongratsSeconds) {
            return {Countdown::State::Passed, around->latest};
        }
        return {Countdown::State::Running, around->next, around->next - present};
    }
    const std::int64_t since = present - *moment;
    if (target.after == AfterTarget::CountUp && since >= kCongratsSeconds) {
        return {Countdown::State::CountingUp, *moment, 0, since};
    }
    return {Countdown::State::Passed, *moment};
}

std::optional<DateValue> movedTargetDate(const Target& target, DateValue now) {
    const Countdown countdown = countdownAt(target, now);
    if (countdown.state != Countdown::State::Running ||
        targetMoment(target.date, target.time) == countdown.target) {
        return std::nullopt;
    }
    return dateValueOf(dayOfMoment(countdown.target), 0);
}

RemainingTime remainingTime(DateValue targetDate, DateValue targetTime, DateValue now) {
    return remainingTime(Target{targetDate, targetTime}, now);
}

RemainingTime remainingTime(const Target& target, DateValue now) {
    const Countdown countdown = countdownAt(target, now);
    switch (countdown.state) {
    case Countdown::State::Running:
        return {countdown.state, daysAndTime("", countdown.remaining)};
    case Countdown::State::CountingUp:
        return {countdown.state, daysAndTime("+", countdown.since)};
    case Countdown::State::NoTarget:
    case Countdown::State::Passed:
        break;
    }
    return {countdown.state, {}};
}

} // namespace tavrio
