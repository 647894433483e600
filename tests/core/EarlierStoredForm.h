// The text in which earlier versions stored "tvDate" and "tvTime": the locale's general date form,
// kept here as they wrote it so that tests can show every such text still reads. The short date
// (its year always with four digits) unless the day is the zero day, then the long time unless it
// is midnight; the value 0 alone as midnight. Under US settings: 12/25/2026, 3:45:00 PM,
// 2/10/2007 6:00:00 PM, 12:00:00 AM.
#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"

#include <string>

namespace tavrio::test {

std::string earlierStoredDateText(DateValue value, const RegionalSettings& regional);

} // namespace tavrio::test
