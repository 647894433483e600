// The local wall clock, to the whole second, as a date value.
#pragma once

#include "DateValue.h"

namespace tavrio {

DateValue localNow();

} // namespace tavrio
