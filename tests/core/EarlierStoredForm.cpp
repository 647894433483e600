#include "EarlierStoredForm.h"

#include <chrono>
#include <cstdint>
#include <string_view>

namespace tavrio::test {

namespace {

using namespace std::chrono;

std::string numberText(unsigned value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return digits;
}

std::string_view orDefault(const std::string& text, std::string_view fallback) {
    return text.empty() ? fallback : std::string_view{text};
}

std::string shortDate(const year_month_day& date, const RegionalSettings& regional) {
    const std::string separator{orDefault(regional.dateSeparator, "/")};
    const std::string year = numberText(static_cast<unsigned>(static_cast<int>(date.year())), 4);
    const std::string month =
        numberText(static_cast<unsigned>(date.month()), regional.monthLeadingZero ? 2 : 1);
    const std::string day =
        numberText(static_cast<unsigned>(date.day()), regional.dayLeadingZero ? 2 : 1);
    switch (regional.dateOrder) {
    case DateOrder::DayMonthYear:
        return day + separator + month + separator + year;
    case DateOrder::YearMonthDay:
        return year + separator + month + separator + day;
    case DateOrder::MonthDayYear:
        break;
    }
    return month + separator + day + separator + year;
}

std::string longTime(std::int64_t secondOfDay, const RegionalSettings& regional) {
    const std::string separator{orDefault(regional.timeSeparator, ":")};
    const auto hour = static_cast<unsigned>(secondOfDay / 3600);
    std::string text =
        numberText(regional.twelveHourClock ? (hour % 12 == 0 ? 12 : hour % 12) : hour,
                   regional.hourLeadingZero ? 2 : 1) +
        separator + numberText(static_cast<unsigned>(secondOfDay / 60 % 60), 2) + separator +
        numberText(static_cast<unsigned>(secondOfDay % 60), 2);
    if (regional.twelveHourClock) {
        text += ' ';
        text += hour >= 12 ? orDefault(regional.pmDesignator, "PM")
                           : orDefault(regional.amDesignator, "AM");
    }
    return text;
}

} // namespace

std::string earlierStoredDateText(DateValue value, const RegionalSettings& regional) {
    const auto civil = toCivil(value);
    if (!civil) {
        return {};
    }
    const bool hasDate = dayNumber(value) != 0;
    const bool hasTime = civil->timeOfDay.count() != 0;
    std::string text;
    if (hasDate) {
        text += shortDate(civil->date, regional);
    }
    if (hasTime || !hasDate) {
        if (hasDate) {
            text += ' ';
        }
        text += longTime(civil->timeOfDay.count(), regional);
    }
    return text;
}

} // namespace tavrio::test
