// Date values to and from Qt's calendar dates.
#pragma once

#include "DateValue.h"

#include <QDate>
#include <QTime>

#include <optional>

namespace tavrio {

// The calendar day of a value; an invalid QDate when it lies outside the years 100 to 9999.
QDate qDateOf(DateValue value);

// The value of a day and, optionally, a time of day to the whole second (milliseconds dropped).
std::optional<DateValue> dateValueOf(QDate date, QTime time = QTime(0, 0));

} // namespace tavrio
