// The target as people say it: "in 25 min", "tomorrow 9:00", "friday 5pm", "24 dec 18:30", in
// the user's language, read against the present moment. The phrase is either
//   - a duration from now: "in 25 min", "25m", "1h30", "1h 30m", "+3d", "in 2 weeks", "25分後";
//     hours and minutes are time that passes (across a change of the clock for daylight saving),
//     days and weeks are days of the calendar, at the same time of day;
//   - or a day, with a time of day before or after it, or none:
//       a relative day: "today", "tomorrow", "day after tomorrow";
//       a weekday: "friday", "fri", the next such day, today while the time is still ahead;
//         "next friday", the first Friday after today;
//       a month's day: "24 dec", "december 24", "24 december 2027", "dec 24, 2027", "12月24日";
//         without a year the next such day still ahead ("29 feb" the next leap year's);
//     a time: "17:00", "5pm", "5:30 pm", "at 9", "17h30", "9時", noon, or midnight, the end of
//     the day named; a bare hour only after "at". Without a time, the phrase keeps the time in
//     force, which also decides whether today is still ahead.
// A phrase that reads only in part ("in 2", "friday at") or names no such day ("31 feb") does
// not read: nothing in it is guessed.
#pragma once

#include "DateValue.h"
#include "PhraseVocabulary.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace tavrio {

// The present as the reader needs it. The local time zone comes as two plain facts: how far the
// wall clock is ahead of UTC now, and at any other moment.
struct PhraseClock {
    DateValue now = 0; // the local wall clock, to the second
    std::int64_t utcOffsetNow = 0;
    // The offset, in seconds, at a moment given in seconds from 1899-12-30 00:00 UTC (as
    // linearSeconds counts). Without it the offset never changes.
    std::function<std::int64_t(std::int64_t utcSeconds)> utcOffsetAt{};
};

struct PhraseTarget {
    DateValue date = 0;              // the calendar day, at midnight
    std::optional<DateValue> time{}; // a time of day on day zero, when the phrase names one

    bool operator==(const PhraseTarget&) const = default;
};

// Reads `text`, folded as the vocabulary is (ASCII letter case aside), at the present moment.
// `timeInForce` is the target time a phrase without one keeps.
std::optional<PhraseTarget> readTargetPhrase(std::string_view text, const PhraseClock& clock,
                                             DateValue timeInForce,
                                             const PhraseVocabulary& vocabulary);

} // namespace tavrio
