// The text forms in which Tavrio writes date values, and the one rule by which it reads them.
// The stored form is ISO 8601 and reads the same under every locale; the entry boxes' forms follow
// the locale and read back under it (to the minute for the time form, which has no seconds).
// A value that does not convert to a calendar date (see toCivil) is written as the empty text.
#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrio {

// The stored form of "tvDate" and "tvTime", ISO 8601, which no locale can misread: the day as
// 2027-03-04 unless it is the zero day, then the time of day as 09:05:00 unless it is midnight,
// both as 2027-03-04 09:05:00; the value 0 alone as 00:00:00. Earlier versions stored the
// locale's own forms (12/25/2026, 3:45:00 PM, with four-digit years); readDateText still reads
// those under the locale they were written in.
std::string storedDateText(DateValue value);

// The date box's form when the settings window opens: day and month with two digits, year with
// four, in the locale's order and separator (02/10/2007 under US settings).
std::string entryDateText(DateValue value, const RegionalSettings& regional);

// The date box's form after a pick in the calendar: no leading zeros, a four-digit year, in the
// locale's order and separator (2/10/2007 under US settings).
std::string calendarPickText(DateValue value, const RegionalSettings& regional);

// The time box's form: a 12-hour clock with a two-digit hour and minutes, a blank and the AM or
// PM designator (07:23 PM; 12:00 AM is midnight). Seconds are dropped.
std::string entryTimeText(DateValue value, const RegionalSettings& regional);

// The time box's form for a time set to the second: as above, with the seconds when they are not
// zero (07:23:45 PM).
std::string entryTimeTextToTheSecond(DateValue value, const RegionalSettings& regional);

// A target moment for scripts and people alike, ISO 8601 to the second: the calendar day of
// `date` at the time of day of `time` (2026-12-11T17:00:00); empty when the day has no calendar
// date.
std::string isoMomentText(DateValue date, DateValue time);

// Reads a date, a time of day, or a date followed by a time of day. A date is three numbers in
// the locale's order, or year, month and day in that order (ISO 8601) under any locale; its year
// always has four digits, so that a year typed on the way to four ("2/29/20") is no date yet and a
// time written with the date separator ("9.05.00") is no date at all. A time is hours and minutes
// with optional seconds, in 24-hour form or 12-hour form with an AM/PM designator. A date alone
// gives that day at midnight, a time alone gives day zero at that time. Anything else, including
// the empty text and "0", gives no value.
std::optional<DateValue> readDateText(std::string_view text, const RegionalSettings& regional);

} // namespace tavrio
