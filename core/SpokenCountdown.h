// What the countdown says to someone who listens to it (a screen reader) rather than reads the
// digits: the parts of the time left that are not zero ("3 days, 1 hour, 45 seconds left", or
// after the target, counting up, "5 minutes, 12 seconds since"), and
// when that text may change. A text that changed every second would be read out, or at least
// offered, every second; it changes at most once a minute, and at once when the state changes
// (the time comes, a target is set or moved, the target is taken away).
//
// The wording, with each language's plural forms, is the windows' (SpokenCountdownText); this is
// the arithmetic beneath it.
#pragma once

#include "RemainingTime.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavrio {

enum class TimeUnit { Day, Hour, Minute, Second };

struct TimePart {
    TimeUnit unit;
    std::int64_t count;

    bool operator==(const TimePart&) const = default;
};

// The days, hours, minutes and seconds of a time left (or since), largest first, those that are
// zero left out; none left at all is said as 0 seconds.
std::vector<TimePart> partsToSay(std::int64_t remainingSeconds);

// The spoken text stays at least this long before it changes with the time alone.
inline constexpr std::int64_t kSpokenTextInterval = 60;

// When the spoken text was last made, and for which countdown.
struct SpokenMoment {
    Countdown countdown;
    // The moment it was made, in seconds on the line of linearSeconds.
    std::int64_t at = 0;
};

// Whether the spoken text is to be made anew at `now` (seconds on the same line): when none was
// made yet, the state or the target changed, a minute has passed, or the clock was set back.
bool spokenTextDue(const std::optional<SpokenMoment>& last, const Countdown& countdown,
                   std::int64_t now);

} // namespace tavrio
