// The text the timer window shows: the time left until the target, as days, hours, minutes and
// seconds ("3:01:23:45"), or one of the two fixed texts before a target is set and after it.
#pragma once

#include "DateValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrio {

inline constexpr std::string_view kNoTargetText = "Double Click Me";
inline constexpr std::string_view kTargetPassedText = "Congrats!!!";

// The target moment, in seconds on the line of linearSeconds: the calendar day of targetDate at
// the time of day of targetTime. None when no target is set: a targetDate of exactly zero.
std::optional<std::int64_t> targetMoment(DateValue targetDate, DateValue targetTime);

// Where the countdown stands at a moment: no target set, running (to and including the target
// second itself), or passed.
struct Countdown {
    enum class State { NoTarget, Running, Passed };

    State state = State::NoTarget;
    // The target moment (see targetMoment); 0 without a target.
    std::int64_t target = 0;
    // Seconds left while running, else 0.
    std::int64_t remaining = 0;

    bool operator==(const Countdown&) const = default;
};

// Only the calendar day of targetDate and the time of day of targetTime count; a targetDate of
// exactly zero means no target is set. `now` counts to its whole second.
Countdown countdownAt(DateValue targetDate, DateValue targetTime, DateValue now);

// The text the timer window shows, by the same rules as countdownAt.
std::string RemainingTimeText(DateValue targetDate, DateValue targetTime, DateValue now);

} // namespace tavrio
