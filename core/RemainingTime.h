// What the timer window shows: the time left until the target, as days, hours, minutes and
// seconds ("3:01:23:45"), or one of two fixed texts before a target is set and after it. The
// core decides which; the windows word the fixed texts in the program's language. Where the user
// chose so, the time since the target follows its first minute ("+0:00:05:12"), and a repeating
// target, after its first minute, counts to its next occurrence.
#pragma once

#include "DateValue.h"
#include "MomentChoices.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrio {

// The target moment, in seconds on the line of linearSeconds: the calendar day of targetDate at
// the time of day of targetTime. None when no target is set: a targetDate of exactly zero.
std::optional<std::int64_t> targetMoment(DateValue targetDate, DateValue targetTime);

// Where the countdown stands at a moment: no target set, running (to and including the target
// second itself), passed, or counting up the time since the target.
struct Countdown {
    enum class State {
        NoTarget,   // shown as "Double Click Me"
        Running,    // the time left
        Passed,     // shown as "Congrats!!!"
        CountingUp, // the time since the target
    };

    State state = State::NoTarget;
    // The moment counted to or from (see targetMoment); 0 without a target.
    std::int64_t target = 0;
    // Seconds left while running, else 0.
    std::int64_t remaining = 0;
    // Seconds since the target while counting up, else 0.
    std::int64_t since = 0;

    bool operator==(const Countdown&) const = default;
};

// How long after the target "Congrats!!!" shows whatever comes after it, so that the moment is
// marked also where the window counts up or on to the next occurrence.
inline constexpr std::int64_t kCongratsSeconds = 60;

// A target with the user's choices for its moment.
struct Target {
    DateValue date = 0; // as targetDate: exactly zero means no target
    DateValue time = 0; // as targetTime
    AfterTarget after = AfterTarget::Congrats;
    Repeat repeat = Repeat::Never;
    // The day of the month a monthly or yearly target keeps (see occurrencesAround); 0 for the
    // date's own.
    unsigned keptDay = 0;
};

// The countdown for a target with its choices. A repeating target that has passed counts from its
// latest occurrence for its first minute ("Congrats!!!") and then runs to its next occurrence; a
// target that does not repeat, with count up chosen, counts up from the end of its first minute.
Countdown countdownAt(const Target& target, DateValue now);

// The calendar day the stored target date moves to once a repeating target counts to its next
// occurrence; none while it counts to the stored target, or marks the one it reached.
std::optional<DateValue> movedTargetDate(const Target& target, DateValue now);

// Only the calendar day of targetDate and the time of day of targetTime count; a targetDate of
// exactly zero means no target is set. `now` counts to its whole second; the target's own second
// still runs (0:00:00:00), the next one has passed.
Countdown countdownAt(DateValue targetDate, DateValue targetTime, DateValue now);

struct RemainingTime {
    Countdown::State state = Countdown::State::NoTarget;
    // While running, the time left ("3:01:23:45"); while counting up, the time since the target
    // with a leading "+" ("+0:00:05:12"); empty otherwise.
    std::string left;

    bool operator==(const RemainingTime&) const = default;
};

// The same, with the time left as the timer window shows it.
RemainingTime remainingTime(DateValue targetDate, DateValue targetTime, DateValue now);
RemainingTime remainingTime(const Target& target, DateValue now);

} // namespace tavrio
