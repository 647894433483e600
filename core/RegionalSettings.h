// The user's regional conventions for writing and reading numbers, dates and times, as a
// plain value: the platform layer fills one from the user's locale, tests use fixed ones.
#pragma once

#include <string>

namespace tavrio {

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

struct RegionalSettings {
    DateOrder dateOrder = DateOrder::MonthDayYear;
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    // How the locale writes its short date and long time. Earlier versions stored the target in
    // these forms; the reader takes them whichever way they are set, and tests write such texts
    // from them.
    bool dayLeadingZero = false;   // 07 rather than 7 in the short date
    bool monthLeadingZero = false; // 02 rather than 2 in the short date
    bool twelveHourClock = true;   // the long time form uses AM/PM
    bool hourLeadingZero = false;  // 07:00:00 rather than 7:00:00 in the long time
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    std::string decimalSeparator = ".";

    bool operator==(const RegionalSettings&) const = default;

    static RegionalSettings usEnglish();
    static RegionalSettings ukEnglish();
    static RegionalSettings german();
};

} // namespace tavrio
