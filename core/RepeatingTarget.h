// Where a repeating target goes once it has passed: its next occurrence, by the calendar of the
// local wall clock, so that a target at 09:00 stays at 09:00 across a change to or from daylight
// saving time. Every day, every weekday (Monday to Friday), every week, every month, every year.
// A month too short for the target's day has its occurrence on its last day, and the next month
// that has the day has it there again: the 31st, then 30 April, then 31 May. 29 February falls on
// 28 February in the other years. The target's own day is the series' day: a target moved on is
// stored only on an occurrence on that day (see movedTargetDate). Occurrences missed while the
// program was not running (or the machine slept) are passed over: the target goes to the first
// occurrence still ahead.
#pragma once

#include "MomentChoices.h"

#include <cstdint>
#include <optional>

namespace tavrio {

// Two occurrences, as moments on the line of linearSeconds.
struct Occurrences {
    // The latest that has passed: the target itself, or one after it.
    std::int64_t latest = 0;
    // The first still ahead; its own second still counts as ahead, as the target's own does.
    std::int64_t next = 0;

    bool operator==(const Occurrences&) const = default;
};

// A target on day `targetDay` (as dayNumber counts) at `secondOfDay` that has passed by `now`: the
// occurrences on either side of now. None for a target that does not repeat, has not passed, or
// whose next occurrence lies beyond the year 9999.
std::optional<Occurrences> occurrencesAround(Repeat repeat, std::int64_t targetDay,
                                             std::int64_t secondOfDay, std::int64_t now);

} // namespace tavrio
