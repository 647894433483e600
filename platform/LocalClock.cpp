#include "LocalClock.h"

#include "QtDates.h"

#include <QDateTime>

namespace tavrio {

DateValue localNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return dateValueOf(now.date(), now.time()).value_or(0.0);
}

} // namespace tavrio
