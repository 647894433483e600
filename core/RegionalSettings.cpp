#include "RegionalSettings.h"

namespace tavrio {

RegionalSettings RegionalSettings::usEnglish() {
    return RegionalSettings{};
}

RegionalSettings RegionalSettings::ukEnglish() {
    RegionalSettings uk;
    uk.dateOrder = DateOrder::DayMonthYear;
    uk.dayLeadingZero = true;
    uk.monthLeadingZero = true;
    uk.twelveHourClock = false;
    uk.hourLeadingZero = true;
    uk.amDesignator = "am";
    uk.pmDesignator = "pm";
    return uk;
}

RegionalSettings RegionalSettings::german() {
    RegionalSettings de;
    de.dateOrder = DateOrder::DayMonthYear;
    de.dateSeparator = ".";
    de.dayLeadingZero = true;
    de.monthLeadingZero = true;
    de.twelveHourClock = false;
    de.hourLeadingZero = true;
    de.decimalSeparator = ",";
    return de;
}

} // namespace tavrio
