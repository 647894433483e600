#include "SpokenCountdownText.h"

#include "SpokenCountdown.h"

#include <QCoreApplication>
#include <QStringList>

namespace tavrio {

namespace {

QString partText(const TimePart& part) {
    const int count = static_cast<int>(part.count);
    switch (part.unit) {
    case TimeUnit::Day:
        //: A part of the time left, as a screen reader says it: "3 days"
        return QCoreApplication::translate("SpokenCountdown", "%n day(s)", nullptr, count);
    case TimeUnit::Hour:
        //: A part of the time left, as a screen reader says it: "1 hour"
        return QCoreApplication::translate("SpokenCountdown", "%n hour(s)", nullptr, count);
    case TimeUnit::Minute:
        //: A part of the time left, as a screen reader says it: "23 minutes"
        return QCoreApplication::translate("SpokenCountdown", "%n minute(s)", nullptr, count);
    case TimeUnit::Second:
        //: A part of the time left, as a screen reader says it: "45 seconds"
        return QCoreApplication::translate("SpokenCountdown", "%n second(s)", nullptr, count);
    }
    return {};
}

QString partsText(std::int64_t seconds) {
    QStringList parts;
    for (const TimePart& part : partsToSay(seconds)) {
        parts << partText(part);
    }
    //: Between the parts of the time left, as in "3 days, 1 hour, 23 minutes"
    return parts.join(QCoreApplication::translate("SpokenCountdown", ", "));
}

} // namespace

QString spokenTimeLeft(std::int64_t remainingSeconds) {
    //: The time left until the awaited event, as a screen reader says it; %1 is its parts,
    //: such as "3 days, 1 hour, 23 minutes, 45 seconds"
    return QCoreApplication::translate("SpokenCountdown", "%1 left")
        .arg(partsText(remainingSeconds));
}

QString spokenTimeSince(std::int64_t secondsSince) {
    //: The time since the awaited event came, as a screen reader says it where the timer window
    //: counts up after it ("+0:00:05:12"); %1 is its parts, such as "5 minutes, 12 seconds"
    return QCoreApplication::translate("SpokenCountdown", "%1 since").arg(partsText(secondsSince));
}

} // namespace tavrio
