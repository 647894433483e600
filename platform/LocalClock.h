// The local wall clock, to the whole second, as a date value.
#pragma once

#include "DateValue.h"
#include "TargetPhrase.h"

class QDateTime;

namespace tavrio {

DateValue localNow();

// A moment of the local clock as a date value: the fraction of a second is dropped, never rounded
// (12:00:00.9 is 12:00:00), or the countdown would show a second too few for half of each second.
DateValue localDateValue(const QDateTime& moment);

// The present for the target phrase reader at the local wall-clock time `now`, with the local
// time zone's offsets from UTC. In the hour the clock repeats when it goes back, `now` is taken
// as Qt takes such a time.
PhraseClock localPhraseClock(DateValue now);

} // namespace tavrio
