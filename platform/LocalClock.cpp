#include "LocalClock.h"

#include "QtDates.h"

#include <QDateTime>

namespace tavrio {

DateValue localNow() {
    return localDateValue(QDateTime::currentDateTime());
}

DateValue localDateValue(const QDateTime& moment) {
    const QDateTime local = moment.toLocalTime();
    return dateValueOf(local.date(), local.time()).value_or(0.0);
}

} // namespace tavrio
