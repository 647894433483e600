#include "LocalClock.h"

#include "QtDates.h"

#include <QDateTime>

namespace tavrio {

namespace {

// From 1899-12-30, the zero day, to 1970-01-01.
constexpr std::int64_t kZeroDayToEpoch = 25569 * kSecondsPerDay;

std::int64_t localUtcOffsetAt(std::int64_t utcSeconds) {
    return QDateTime::fromSecsSinceEpoch(utcSeconds - kZeroDayToEpoch, Qt::LocalTime)
        .offsetFromUtc();
}

} // namespace

DateValue localNow() {
    return localDateValue(QDateTime::currentDateTime());
}

DateValue localDateValue(const QDateTime& moment) {
    const QDateTime local = moment.toLocalTime();
    return dateValueOf(local.date(), local.time()).value_or(0.0);
}

PhraseClock localPhraseClock(DateValue now) {
    const QDateTime local(
        qDateOf(now), QTime::fromMSecsSinceStartOfDay(static_cast<int>(secondOfDay(now) * 1000)));
    // A time the clock skips when it goes forward is no moment: the offset of this one serves.
    const QDateTime moment = local.isValid() ? local : QDateTime::currentDateTime();
    return {now, moment.offsetFromUtc(), localUtcOffsetAt};
}

} // namespace tavrio
