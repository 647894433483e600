// The program's own words that more than one part of it shows, in the program's language: the
// timer window's display and caption are also the tray's tooltip, the notification's summary and
// what --print prints.
#pragma once

#include "DateValue.h"
#include "RemainingTime.h"

#include <QString>

namespace tavrio {

// What the timer window shows: the time left (or since), or the words for no target and a target
// passed.
QString displayText(const RemainingTime& remaining);
QString RemainingTimeText(DateValue targetDate, DateValue targetTime, DateValue now);
QString RemainingTimeText(const Target& target, DateValue now);

// The timer window's caption for the title the user typed: "Tavrio To " and the title in English.
QString timerCaption(const QString& title);

} // namespace tavrio
