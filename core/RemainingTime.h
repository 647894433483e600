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

// Only the calendar day of targetDate and the time of day of targetTime count; a targetDate of
// exactly zero means no target is set. `now` counts to its whole second.
std::string RemainingTimeText(DateValue targetDate, DateValue targetTime, DateValue now);

} // namespace tavrio
