#include "LocalClock.h"

#include <QDateTime>

namespace tavrio {

DateValue localNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    const std::chrono::year_month_day day{std::chrono::year{date.year()},
                                          std::chrono::month{static_cast<unsigned>(date.month())},
                                          std::chrono::day{static_cast<unsigned>(date.day())}};
    const std::chrono::seconds second{time.msecsSinceStartOfDay() / 1000};
    return toDateValue(day, second).value_or(0.0);
}

} // namespace tavrio
