// The local wall clock, to the whole second, as a date value.
#pragma once

#include "DateValue.h"

class QDateTime;

namespace tavrio {

DateValue localNow();

// A moment of the local clock as a date value: the fraction of a second is dropped, never rounded
// (12:00:00.9 is 12:00:00), or the countdown would show a second too few for half of each second.
DateValue localDateValue(const QDateTime& moment);

} // namespace tavrio
