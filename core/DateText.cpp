#include "DateText.h"

#include "TextScan.h"

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace tavrio {

namespace {

using namespace std::chrono;

constexpr std::string_view kAm = "AM";
constexpr std::string_view kPm = "PM";

// Every year is read and written with four digits: earlier versions stored them so, and a year
// typed with fewer is one on its way to four, not a date yet.
constexpr std::size_t kYearDigits = 4;

// Writers fall back to these when the settings leave a separator or designator empty: an empty
// one would glue the numbers together, or lose the half of the day, and the text would not read
// back.
std::string_view dateSeparatorOf(const RegionalSettings& regional) {
    return regional.dateSeparator.empty() ? std::string_view{"/"} : regional.dateSeparator;
}

std::string_view timeSeparatorOf(const RegionalSettings& regional) {
    return regional.timeSeparator.empty() ? std::string_view{":"} : regional.timeSeparator;
}

std::string_view designatorOf(bool afternoon, const RegionalSettings& regional) {
    const std::string& designator = afternoon ? regional.pmDesignator : regional.amDesignator;
    if (designator.empty()) {
        return afternoon ? kPm : kAm;
    }
    return designator;
}

void appendNumber(std::string& text, unsigned value, int width) {
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (; width > count; --width) {
        text += '0';
    }
    while (count > 0) {
        text += digits[--count];
    }
}

// In the locale's order and separator, the year with four digits, day and month with two when
// leadingZeros is set.
void appendDate(std::string& text, const year_month_day& date, const RegionalSettings& regional,
                bool leadingZeros) {
    const std::string_view separator = dateSeparatorOf(regional);
    const auto year = static_cast<unsigned>(static_cast<int>(date.year()));
    const auto month = static_cast<unsigned>(date.month());
    const auto day = static_cast<unsigned>(date.day());
    const int width = leadingZeros ? 2 : 1;
    switch (regional.dateOrder) {
    case DateOrder::MonthDayYear:
        appendNumber(text, month, width);
        text += separator;
        appendNumber(text, day, width);
        text += separator;
        appendNumber(text, year, 4);
        break;
    case DateOrder::DayMonthYear:
        appendNumber(text, day, width);
        text += separator;
        appendNumber(text, month, width);
        text += separator;
        appendNumber(text, year, 4);
        break;
    case DateOrder::YearMonthDay:
        appendNumber(text, year, 4);
        text += separator;
        appendNumber(text, month, width);
        text += separator;
        appendNumber(text, day, width);
        break;
    }
}

// The reader works on a view that each step shortens by what it has read; a step that fails
// leaves the caller to discard the view.

struct Number {
    unsigned value = 0;
    std::size_t digits = 0;
};

// A run of at most maxDigits digits. A longer run is no number at all rather than a number
// followed by more text, which also keeps the value far from overflowing.
std::optional<Number> takeNumber(std::string_view& text, std::size_t maxDigits) {
    Number number;
    while (number.digits < text.size() && isDigit(text[number.digits])) {
        if (number.digits == maxDigits) {
            return std::nullopt;
        }
        number.value = number.value * 10 + static_cast<unsigned>(text[number.digits] - '0');
        ++number.digits;
    }
    if (number.digits == 0) {
        return std::nullopt;
    }
    text.remove_prefix(number.digits);
    return number;
}

std::optional<std::string_view> takeDateSeparator(std::string_view& text,
                                                  const RegionalSettings& regional) {
    for (const std::string_view separator :
         {std::string_view{regional.dateSeparator}, std::string_view{"/"}, std::string_view{"-"},
          std::string_view{"."}}) {
        if (takePrefix(text, separator)) {
            return separator;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> takeTimeSeparator(std::string_view& text,
                                                  const RegionalSettings& regional) {
    for (const std::string_view separator :
         {std::string_view{regional.timeSeparator}, std::string_view{":"}}) {
        if (takePrefix(text, separator)) {
            return separator;
        }
    }
    return std::nullopt;
}

struct ReadDate {
    year_month_day date;
    bool yearFirst = false;
};

std::optional<ReadDate> takeDate(std::string_view& text, const RegionalSettings& regional) {
    const auto first = takeNumber(text, kYearDigits);
    if (!first) {
        return std::nullopt;
    }
    const auto separator = takeDateSeparator(text, regional);
    if (!separator) {
        return std::nullopt;
    }
    // No day or month has more than two digits, so a longer first number can only be the year of
    // an ISO 8601 date, whatever order the locale writes dates in.
    const bool yearFirst = regional.dateOrder == DateOrder::YearMonthDay || first->digits > 2;
    const auto second = takeNumber(text, 2);
    if (!second || !takePrefix(text, *separator)) {
        return std::nullopt;
    }
    const auto third = takeNumber(text, yearFirst ? 2 : kYearDigits);
    if (!third) {
        return std::nullopt;
    }
    Number year = *third;
    Number month = *first;
    Number day = *second;
    if (yearFirst) {
        year = *first;
        month = *second;
        day = *third;
    } else if (regional.dateOrder == DateOrder::DayMonthYear) {
        month = *second;
        day = *first;
    }
    if (year.digits != kYearDigits) {
        return std::nullopt;
    }
    const year_month_day date{std::chrono::year{static_cast<int>(year.value)},
                              std::chrono::month{month.value}, std::chrono::day{day.value}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return ReadDate{date, yearFirst};
}

enum class HalfOfDay { None, Morning, Afternoon };

std::optional<HalfOfDay> readDesignator(std::string_view text, const RegionalSettings& regional) {
    if (text.empty()) {
        return HalfOfDay::None;
    }
    if (equalsIgnoringCase(text, regional.amDesignator) || equalsIgnoringCase(text, kAm)) {
        return HalfOfDay::Morning;
    }
    if (equalsIgnoringCase(text, regional.pmDesignator) || equalsIgnoringCase(text, kPm)) {
        return HalfOfDay::Afternoon;
    }
    return std::nullopt;
}

// A time of day that runs to the end of the text, which has no trailing blanks.
std::optional<seconds> readTime(std::string_view text, const RegionalSettings& regional) {
    const auto hour = takeNumber(text, 2);
    if (!hour) {
        return std::nullopt;
    }
    unsigned minute = 0;
    unsigned second = 0;
    const auto separator = takeTimeSeparator(text, regional);
    if (separator) {
        const auto minuteNumber = takeNumber(text, 2);
        if (!minuteNumber) {
            return std::nullopt;
        }
        minute = minuteNumber->value;
        if (takePrefix(text, *separator)) {
            const auto secondNumber = takeNumber(text, 2);
            if (!secondNumber) {
                return std::nullopt;
            }
            second = secondNumber->value;
        }
    }
    const auto half = readDesignator(trimBlanks(text), regional);
    if (!half || minute > 59 || second > 59) {
        return std::nullopt;
    }
    unsigned hour24 = hour->value;
    if (*half == HalfOfDay::None) {
        // A bare number is no time: "12" could as well be a day or a count.
        if (!separator || hour24 > 23) {
            return std::nullopt;
        }
    } else {
        if (hour24 < 1 || hour24 > 12) {
            return std::nullopt;
        }
        hour24 = hour24 % 12 + (*half == HalfOfDay::Afternoon ? 12 : 0);
    }
    return hours{hour24} + minutes{minute} + seconds{second};
}

std::optional<DateValue> readDateAndTime(std::string_view text, const RegionalSettings& regional) {
    const auto date = takeDate(text, regional);
    if (!date) {
        return std::nullopt;
    }
    seconds timeOfDay{0};
    if (!text.empty()) {
        if (date->yearFirst && (text.front() == 'T' || text.front() == 't')) {
            text.remove_prefix(1);
        } else if (isBlank(text.front())) {
            text = trimBlanks(text);
        } else {
            return std::nullopt;
        }
        const auto time = readTime(text, regional);
        if (!time) {
            return std::nullopt;
        }
        timeOfDay = *time;
    }
    return toDateValue(date->date, timeOfDay);
}

// Year, month and day, as in 2007-02-10.
void appendIsoDate(std::string& text, const std::chrono::year_month_day& date) {
    appendNumber(text, static_cast<unsigned>(static_cast<int>(date.year())), 4);
    text += '-';
    appendNumber(text, static_cast<unsigned>(date.month()), 2);
    text += '-';
    appendNumber(text, static_cast<unsigned>(date.day()), 2);
}

// The 24-hour clock with seconds, as in 19:23:45.
void appendClockTime(std::string& text, unsigned secondOfDay) {
    appendNumber(text, secondOfDay / 3600, 2);
    text += ':';
    appendNumber(text, secondOfDay / 60 % 60, 2);
    text += ':';
    appendNumber(text, secondOfDay % 60, 2);
}

} // namespace

std::string storedDateText(DateValue value) {
    const auto civil = toCivil(value);
    if (!civil) {
        return {};
    }
    const bool hasDate = dayNumber(value) != 0;
    const auto second = static_cast<unsigned>(civil->timeOfDay.count());
    std::string text;
    if (hasDate) {
        appendIsoDate(text, civil->date);
    }
    if (second != 0 || !hasDate) {
        if (hasDate) {
            text += ' ';
        }
        appendClockTime(text, second);
    }
    return text;
}

std::string entryDateText(DateValue value, const RegionalSettings& regional) {
    const auto civil = toCivil(value);
    if (!civil) {
        return {};
    }
    std::string text;
    appendDate(text, civil->date, regional, true);
    return text;
}

std::string calendarPickText(DateValue value, const RegionalSettings& regional) {
    const auto civil = toCivil(value);
    if (!civil) {
        return {};
    }
    std::string text;
    appendDate(text, civil->date, regional, false);
    return text;
}

std::string entryTimeText(DateValue value, const RegionalSettings& regional, EntrySeconds seconds) {
    const auto civil = toCivil(value);
    if (!civil) {
        return {};
    }
    const auto second = static_cast<unsigned>(civil->timeOfDay.count());
    const unsigned minuteOfDay = second / 60;
    const unsigned hour = minuteOfDay / 60;
    std::string text;
    appendNumber(text, hour % 12 == 0 ? 12 : hour % 12, 2);
    text += timeSeparatorOf(regional);
    appendNumber(text, minuteOfDay % 60, 2);
    if (seconds == EntrySeconds::WhenNotZero && second % 60 != 0) {
        text += timeSeparatorOf(regional);
        appendNumber(text, second % 60, 2);
    }
    text += ' ';
    text += designatorOf(hour >= 12, regional);
    return text;
}

std::string isoMomentText(DateValue date, DateValue time) {
    const auto civil = toCivil(dateValueOf(dayNumber(date), secondOfDay(time)));
    if (!civil) {
        return {};
    }
    std::string text;
    appendIsoDate(text, civil->date);
    text += 'T';
    appendClockTime(text, static_cast<unsigned>(civil->timeOfDay.count()));
    return text;
}

std::optional<DateValue> readDateText(std::string_view text, const RegionalSettings& regional) {
    text = trimBlanks(text);
    if (text.empty()) {
        return std::nullopt;
    }
    if (const auto value = readDateAndTime(text, regional)) {
        return value;
    }
    // No text reads as both: a date's year has four digits and no part of a time more than two,
    // so where dates and times share a separator, 9.05.00 is still a time.
    const auto time = readTime(text, regional);
    if (!time) {
        return std::nullopt;
    }
    return dateValueOf(0, time->count());
}

} // namespace tavrio
