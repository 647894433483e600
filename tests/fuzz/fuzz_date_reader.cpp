// Feeds arbitrary text to the date reader and to the target phrase reader: the first byte picks
// the regional settings, the rest is the text. Whatever the date reader accepts must be a value
// the rest of the program can use, one that has a calendar date and that every written form reads
// back to, the form earlier versions stored included. Whatever the phrase reader accepts must be
// a day at midnight and a time of day on day zero that the stored forms keep.
#include "DateText.h"
#include "EarlierStoredForm.h"
#include "PhraseTestVocabulary.h"
#include "TargetPhrase.h"

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

// English, with words outside ASCII and of scripts written without blanks, some of them with two
// meanings, as the platform gives them.
PhraseVocabulary phraseVocabulary() {
    PhraseVocabulary vocabulary = test::englishPhrases();
    vocabulary.add(PhraseWord::Month, "12\xE6\x9C\x88", 12);    // 12月
    vocabulary.add(PhraseWord::Weekday, "\xE6\x97\xA5|mar", 7); // 日
    vocabulary.add(PhraseWord::Filler, "\xE6\x97\xA5|de");
    vocabulary.add(PhraseWord::Days, "\xE6\x97\xA5");
    vocabulary.add(PhraseWord::Later, "\xE5\xBE\x8C"); // 後
    vocabulary.add(PhraseWord::Tomorrow, "ma\xC3\xB1"
                                         "ana|\xD0\xB7\xD0\xB0\xD0\xB2\xD1\x82\xD1\x80\xD0\xB0");
    vocabulary.add(PhraseWord::OClock, "h|\xE6\x99\x82"); // 時
    vocabulary.timeSeparators.push_back(".");
    return vocabulary;
}

// Summer time from 2026-03-29 01:00 UTC on, an hour ahead of the rest of the year.
std::int64_t utcOffsetAt(std::int64_t utcSeconds) {
    constexpr std::int64_t kChange = 46110 * kSecondsPerDay + 3600;
    return utcSeconds >= kChange ? 7200 : 3600;
}

void readAsPhrase(std::string_view text) {
    static const PhraseVocabulary vocabulary = phraseVocabulary();
    const PhraseClock clock{dateValueOf(46110, 5400), 3600, utcOffsetAt};
    const auto target = readTargetPhrase(text, clock, dateValueOf(0, 32400), vocabulary);
    if (!target) {
        return;
    }
    require(toCivil(target->date).has_value() && secondOfDay(target->date) == 0,
            "phrase gives no day at midnight", text);
    require(readDateText(storedDateText(target->date), RegionalSettings::usEnglish()) ==
                target->date,
            "phrase's day does not read back", text);
    if (target->time) {
        require(dayNumber(*target->time) == 0 &&
                    dateValueOf(0, secondOfDay(*target->time)) == *target->time,
                "phrase gives no time of day", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const RegionalSettings& regional = kSettings[data[0] % kSettings.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    readAsPhrase(text);
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
