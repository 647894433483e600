// The countdown in words, for a person who listens to it: "3 days, 1 hour, 23 minutes,
// 45 seconds left", and after the target, counting up, "5 minutes, 12 seconds since". Which parts
// are said is the core's (partsToSay); the words, with each language's plural forms, are the
// translations'.
#pragma once

#include <QString>

#include <cstdint>

namespace tavrio {

QString spokenTimeLeft(std::int64_t remainingSeconds);
QString spokenTimeSince(std::int64_t secondsSince);

} // namespace tavrio
