// The text forms in which Tavrio writes date values, and the one rule by which it reads them.
// Every form written under some regional settings reads back, under the same settings, to the
// value it was written from (to the minute for the entry time form, which has no seconds).
// A value that does not convert to a calendar date (see toCivil) is written as the empty text.
#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrio {

// The general form, used for the stored "tvDate" and "tvTime": the short date unless the day
// is the zero day, then the long time unless it is midnight; the value 0 alone is written as
// midnight. Under US settings: 12/25/2026, 3:45:00 PM, 2/10/2007 6:00:00 PM, 12:00:00 AM.
// Years are always written with four digits so the text reads back unambiguously.
std::string generalDateText(DateValue value, const RegionalSettings& regional);

// The date box's form when the settings window opens: day and month with two digits, year with
// four, in the locale's order and separator (02/10/2007 under US settings).
std::string entryDateText(DateValue value, const RegionalSettings& regional);

// The date box's form after a pick in the calendar: no leading zeros, a four-digit year, in the
// locale's order and separator (2/10/2007 under US settings).
std::string calendarPickText(DateValue value, const RegionalSettings& regional);

// The time box's form: a 12-hour clock with a two-digit hour and minutes, a blank and the AM or
// PM designator (07:23 PM; 12:00 AM is midnight). Seconds are dropped.
std::string entryTimeText(DateValue value, const RegionalSettings& regional);

// Reads a date, a time of day, or a date followed by a time of day. A date is three numbers in
// the locale's order (or an ISO 8601 year-month-day under any locale); a time is hours and
// minutes with optional seconds, in 24-hour form or 12-hour form with an AM/PM designator. A date
// alone gives that day at midnight, a time alone gives day zero at that time. Anything else,
// including the empty text and "0", gives no value.
std::optional<DateValue> readDateText(std::string_view text, const RegionalSettings& regional);

} // namespace tavrio
