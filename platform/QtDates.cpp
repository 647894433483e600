#include "QtDates.h"

namespace tavrio {

QDate qDateOf(DateValue value) {
    const auto civil = toCivil(value);
    if (!civil) {
        return {};
    }
    return QDate(static_cast<int>(civil->date.year()), static_cast<unsigned>(civil->date.month()),
                 static_cast<unsigned>(civil->date.day()));
}

std::optional<DateValue> dateValueOf(QDate date, QTime time) {
    if (!date.isValid() || !time.isValid()) {
        return std::nullopt;
    }
    const std::chrono::year_month_day day{std::chrono::year{date.year()},
                                          std::chrono::month{static_cast<unsigned>(date.month())},
                                          std::chrono::day{static_cast<unsigned>(date.day())}};
    return toDateValue(day, std::chrono::seconds{time.msecsSinceStartOfDay() / 1000});
}

} // namespace tavrio
