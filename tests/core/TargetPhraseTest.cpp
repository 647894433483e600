#include "TargetPhrase.h"

#include "DateText.h"
#include "PhraseTestVocabulary.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tavrio {
namespace {

using namespace std::chrono;

DateValue at(year_month_day date, int hour, int minute) {
    return toDateValue(date, hours{hour} + minutes{minute}).value();
}

struct Row {
    const char* text;
    const char* date; // as stored ("2026-12-24"); empty when the phrase does not read
    const char* time; // the time it names ("17:00:00"); empty when it names none
};

// What a reading shows, in the stored forms, or "" when the phrase does not read.
std::string shown(const std::optional<PhraseTarget>& target) {
    if (!target) {
        return "";
    }
    return storedDateText(target->date) + (target->time ? " " + storedDateText(*target->time) : "");
}

std::string expected(const Row& row) {
    return *row.time == '\0' ? row.date : std::string(row.date) + " " + row.time;
}

// Wednesday 9 December 2026, 14:30, with 09:00 the target time in force; no daylight saving.
const Row kEnglish[] = {
    {"in 25 min", "2026-12-09", "14:55:00"},
    {"1h30", "2026-12-09", "16:00:00"},
    {"1h 30m", "2026-12-09", "16:00:00"},
    {"in 1 hour and 30 minutes", "2026-12-09", "16:00:00"},
    {"in 10 hours", "2026-12-10", "00:30:00"},
    {"25 min later", "2026-12-09", "14:55:00"},
    {"+3d", "2026-12-12", "14:30:00"},
    {"in 2 weeks", "2026-12-23", "14:30:00"},
    {"today", "2026-12-09", ""},
    {"Tomorrow at 9", "2026-12-10", "09:00:00"},
    {"day after tomorrow", "2026-12-11", ""},
    {"friday 17:00", "2026-12-11", "17:00:00"},
    {"FRI 5pm", "2026-12-11", "17:00:00"},
    {"5 p.m. on friday", "2026-12-11", "17:00:00"},
    {"friday at 5", "2026-12-11", "05:00:00"},
    {"next friday", "2026-12-11", ""},
    // The same weekday: today while the time is ahead, else a week on; "next" never today.
    {"wednesday 15:00", "2026-12-09", "15:00:00"},
    {"wednesday 14:30", "2026-12-16", "14:30:00"},
    {"wednesday", "2026-12-16", ""},
    {"next wednesday 15:00", "2026-12-16", "15:00:00"},
    {"24 dec", "2026-12-24", ""},
    {"the 24th of december", "2026-12-24", ""},
    {"24 december 2027", "2027-12-24", ""},
    {"dec 24, 2027 18:30", "2027-12-24", "18:30:00"},
    {"24 dec 6:30 pm", "2026-12-24", "18:30:00"},
    // Today's date is next year's once its time has passed.
    {"9 dec", "2027-12-09", ""},
    {"9 dec 15:00", "2026-12-09", "15:00:00"},
    {"31 dec", "2026-12-31", ""},
    {"1 jan", "2027-01-01", ""},
    {"30 apr", "2027-04-30", ""},
    {"29 feb", "2028-02-29", ""},
    {"29 feb 2028", "2028-02-29", ""},
    {"29 feb 2027", "", ""},
    {"31 feb", "", ""},
    {"31 apr", "", ""},
    {"24 dec 10000", "", ""},
    {"24 dec 0000", "", ""},
    // Noon and midnight, and the 12-hour clock around them: midnight ends the day named.
    {"tomorrow noon", "2026-12-10", "12:00:00"},
    {"today midnight", "2026-12-10", "00:00:00"},
    {"friday at midnight", "2026-12-12", "00:00:00"},
    {"tomorrow 12am", "2026-12-10", "00:00:00"},
    {"tomorrow 12:30 am", "2026-12-10", "00:30:00"},
    {"tomorrow 12pm", "2026-12-10", "12:00:00"},
    {"tomorrow 0:00", "2026-12-10", "00:00:00"},
    {"tomorrow 23:59:59", "2026-12-10", "23:59:59"},
    {"tomorrow 24:00", "", ""},
    {"tomorrow 13pm", "", ""},
    {"tomorrow 9:60", "", ""},
    // Partial phrases, as they are typed, and phrases that say two things.
    {"in", "", ""},
    {"in 2", "", ""},
    {"in 2 ho", "", ""},
    {"in 1 hour and", "", ""},
    {"1h90", "", ""},
    {"frid", "", ""},
    {"friday 5", "", ""},
    {"tomorrow at", "", ""},
    {"24", "", ""},
    {"next", "", ""},
    {"tomorrow friday", "", ""},
    {"in 2 hours tomorrow", "", ""},
    {"in 25 min later", "", ""},
    {"tomorrowfriday", "", ""},
    {"", "", ""},
};

TEST(ReadTargetPhrase, ReadsEnglishPhrasesAgainstThePresent) {
    const PhraseVocabulary english = test::englishPhrases();
    const PhraseClock clock{at(2026y / December / 9, 14, 30)};
    for (const Row& row : kEnglish) {
        EXPECT_EQ(
            shown(readTargetPhrase(row.text, clock, at(1899y / December / 30, 9, 0), english)),
            expected(row))
            << row.text;
    }
}

// Central European time: the clock goes from 02:00 to 03:00 on 29 March 2026 and from 03:00 back
// to 02:00 on 25 October 2026, both at 01:00 UTC.
std::int64_t centralEuropeanOffset(std::int64_t utcSeconds) {
    const auto utc = [](year_month_day date) {
        return linearSeconds(toDateValue(date, hours{1}).value());
    };
    const bool summer =
        utcSeconds >= utc(2026y / March / 29) && utcSeconds < utc(2026y / October / 25);
    return summer ? 7200 : 3600;
}

TEST(ReadTargetPhrase, DurationsPassTheTimeAcrossAChangeOfTheClock) {
    const struct {
        DateValue now;
        std::int64_t offsetNow;
        Row row;
    } rows[] = {
        {at(2026y / March / 29, 1, 30), 3600, {"in 2 hours", "2026-03-29", "04:30:00"}},
        {at(2026y / March / 29, 1, 30), 3600, {"in 30 min", "2026-03-29", "03:00:00"}},
        {at(2026y / March / 28, 12, 0), 3600, {"in 1 day", "2026-03-29", "12:00:00"}},
        {at(2026y / March / 28, 12, 0), 3600, {"tomorrow at 12", "2026-03-29", "12:00:00"}},
        {at(2026y / October / 25, 1, 30), 7200, {"in 2 hours", "2026-10-25", "02:30:00"}},
        {at(2026y / October / 24, 23, 0), 7200, {"in 1 week", "2026-10-31", "23:00:00"}},
    };
    const PhraseVocabulary english = test::englishPhrases();
    for (const auto& [now, offsetNow, row] : rows) {
        const PhraseClock clock{now, offsetNow, centralEuropeanOffset};
        EXPECT_EQ(shown(readTargetPhrase(row.text, clock, 0, english)), expected(row)) << row.text;
    }
}

// Words of one language may stand for two things: the month and the weekday "mar" in Spanish,
// the day mark and Sunday "日" in Japanese. What follows decides, and what reads two ways does not
// read.
TEST(ReadTargetPhrase, AWordThatMeansTwoThingsReadsByWhatFollows) {
    PhraseVocabulary v = test::englishPhrases();
    v.add(PhraseWord::Weekday, "mar", 2);
    v.add(PhraseWord::Month, "12月", 12);
    v.add(PhraseWord::Weekday, "日", 7);
    v.add(PhraseWord::Filler, "日");
    v.add(PhraseWord::Days, "日");
    v.add(PhraseWord::Later, "後");
    v.add(PhraseWord::OClock, "h");
    // Finnish writes "17.30", and a day as "24.": the period is an hour's only before minutes.
    v.timeSeparators.push_back(".");
    const Row rows[] = {
        {"mar 24", "2027-03-24", ""},
        {"mar 17:00", "2026-12-15", "17:00:00"},
        {"12月24日", "2026-12-24", ""},
        {"3日後", "2026-12-12", "14:30:00"},
        {"日 17:00", "2026-12-13", "17:00:00"},
        {"in 1h30", "2026-12-09", "16:00:00"},
        {"1h30", "", ""},
        {"tomorrow 17h30", "2026-12-10", "17:30:00"},
        {"24. dec 17.30", "2026-12-24", "17:30:00"},
    };
    const PhraseClock clock{at(2026y / December / 9, 14, 30)};
    for (const Row& row : rows) {
        EXPECT_EQ(shown(readTargetPhrase(row.text, clock, 0, v)), expected(row)) << row.text;
    }
}

} // namespace
} // namespace tavrio
