// Where a repeating target goes once it has passed: its next occurrence, by the calendar of the
// local wall clock, so that a target at 09:00 stays at 09:00 across a change to or from daylight
// saving time. Every day, every weekday (Monday to Friday), every week, every month, every year.
// A month too short for the target's day has its occurrence on its last day, and the next month
// that has the day has it there again: the 31st, then 30 April, then 31 May. 29 February falls on
// 28 February in the other years. Occurrences missed while the program was not running (or the
// machine slept) are passed over: the target goes to the first occurrence still ahead.
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
// occurrences on either side of now. `keptDay` is the day of the month that a monthly or yearly
// target keeps where a shorter month moved it to its last day (31 for a target moved from the
// 31st to 30 April); 0, or a day that could not have become the target's, means the target's own.
// None for a target that does not repeat, has not passed, or whose next occurrence lies beyond
// the year 9999.
std::optional<Occurrences> occurrencesAround(Repeat repeat, std::int64_t targetDay,
                                             std::int64_t secondOfDay, unsigned keptDay,
                                             std::int64_t now);

} // namespace tavrio
