// Feeds arbitrary text to the date reader: the first byte picks the regional settings, the rest
// is the text. Whatever the reader accepts must be a value the rest of the program can use, one
// that has a calendar date and that every written form reads back to, the form earlier versions
// stored included.
#include "DateText.h"
#include "EarlierStoredForm.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tavrio;

// Separators of more than one character, the time separator also among the date separators the
// reader always accepts, and designators outside ASCII.
RegionalSettings oddSettings() {
    RegionalSettings settings;
    settings.dateOrder = DateOrder::YearMonthDay;
    settings.dateSeparator = ". ";
    settings.monthLeadingZero = true;
    settings.timeSeparator = ".";
    settings.hourLeadingZero = true;
    settings.amDesignator = "\xE5\x8D\x88\xE5\x89\x8D";
    settings.pmDesignator = "\xE5\x8D\x88\xE5\xBE\x8C";
    return settings;
}

const std::array<RegionalSettings, 4> kSettings = {RegionalSettings::usEnglish(),
                                                   RegionalSettings::ukEnglish(),
                                                   RegionalSettings::german(), oddSettings()};

void require(bool holds, const char* broken, std::string_view text) {
    if (!holds) {
        std::fprintf(stderr, "%s: \"%.*s\"\n", broken, static_cast<int>(text.size()), text.data());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const RegionalSettings& regional = kSettings[data[0] % kSettings.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto value = readDateText(text, regional);
    if (!value) {
        return 0;
    }
    const auto civil = toCivil(*value);
    require(civil.has_value(), "value read has no calendar date", text);
    require(toDateValue(civil->date, civil->timeOfDay) == *value,
            "value read differs from the one its date and time give", text);
    require(readDateText(storedDateText(*value), regional) == *value,
            "stored form does not read back", text);
    require(readDateText(test::earlierStoredDateText(*value, regional), regional) == *value,
            "earlier stored form does not read back", text);
    const DateValue day = dateValueOf(dayNumber(*value), 0);
    require(readDateText(entryDateText(*value, regional), regional) == day,
            "entry date form does not read back", text);
    require(readDateText(calendarPickText(*value, regional), regional) == day,
            "calendar pick form does not read back", text);
    const DateValue minute = dateValueOf(0, secondOfDay(*value) / 60 * 60);
    require(readDateText(entryTimeText(*value, regional), regional) == minute,
            "entry time form does not read back", text);
    return 0;
}
