// The user's regional conventions as Qt's locale data describes them, in the plain value the
// core's readers and writers of numbers, dates and times take.
#pragma once

#include "RegionalSettings.h"

class QLocale;
class QString;

namespace tavrio {

// Date order, separator and leading zeros from the locale's short date format; time separator,
// clock and hour leading zero from its long time format; its AM/PM texts and decimal point. The C
// locale, which has no conventions of its own, gets the entry forms' own: month/day/year with "/",
// a 12-hour clock with AM and PM, and "." as the decimal point.
RegionalSettings regionalSettingsFrom(const QLocale& locale);

// The two format readers the above uses, for formats no installed locale has. Each reads a Qt
// date or time format and sets the fields that format decides. A date format keeps the order of
// whatever parts it shows, month order first when it shows too few; a separator only comes from
// between numbers, and one made of letters or digits, or only of blanks, gives way to "/" or ":"
// so that written dates still read back.
void applyShortDateFormat(const QString& format, RegionalSettings& regional);
void applyLongTimeFormat(const QString& format, RegionalSettings& regional);

} // namespace tavrio
