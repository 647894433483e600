// What the timer window shows: the time left until the target, as days, hours, minutes and
// seconds ("3:01:23:45"), or one of two fixed texts before a target is set and after it. The
// core decides which; the windows word the fixed texts in the program's language.
#pragma once

#include "DateValue.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrio {

// The target moment, in seconds on the line of linearSeconds: the calendar day of targetDate at
// the time of day of targetTime. None when no target is set: a targetDate of exactly zero.
std::optional<std::int64_t> targetMoment(DateValue targetDate, DateValue targetTime);

// Where the countdown stands at a moment: no target set, running (to and including the target
// second itself), or passed.
struct Countdown {
    enum class State {
        NoTarget, // shown as "Double Click Me"
        Running,  // the time left
        Passed,   // shown as "Congrats!!!"
    };

    State state = State::NoTarget;
    // The target moment (see targetMoment); 0 without a target.
    std::int64_t target = 0;
    // Seconds left while running, else 0.
    std::int64_t remaining = 0;

    bool operator==(const Countdown&) const = default;
};

// Only the calendar day of targetDate and the time of day of targetTime count; a targetDate of
// exactly zero means no target is set. `now` counts to its whole second; the target's own second
// still runs (0:00:00:00), the next one has passed.
Countdown countdownAt(DateValue targetDate, DateValue targetTime, DateValue now);

struct RemainingTime {
    Countdown::State state = Countdown::State::NoTarget;
    // While running, the time left ("3:01:23:45"); empty otherwise.
    std::string left;

    bool operator==(const RemainingTime&) const = default;
};

// The same, with the time left as the timer window shows it.
RemainingTime remainingTime(DateValue targetDate, DateValue targetTime, DateValue now);

} // namespace tavrio
