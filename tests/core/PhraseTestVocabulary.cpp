#include "PhraseTestVocabulary.h"

namespace tavrio::test {

PhraseVocabulary englishPhrases() {
    PhraseVocabulary v;
    const char* const months[] = {"january|jan", "february|feb", "march|mar",
                                  "april|apr",   "may",          "june|jun",
                                  "july|jul",    "august|aug",   "september|sep|sept",
                                  "october|oct", "november|nov", "december|dec"};
    for (int month = 1; month <= 12; ++month) {
        v.add(PhraseWord::Month, months[month - 1], month);
    }
    const char* const weekdays[] = {"monday|mon",         "tuesday|tue|tues", "wednesday|wed",
                                    "thursday|thu|thurs", "friday|fri",       "saturday|sat",
                                    "sunday|sun"};
    for (int weekday = 1; weekday <= 7; ++weekday) {
        v.add(PhraseWord::Weekday, weekdays[weekday - 1], weekday);
    }
    v.add(PhraseWord::In, "in");
    v.add(PhraseWord::Later, "later|from now");
    v.add(PhraseWord::Today, "today");
    v.add(PhraseWord::Tomorrow, "tomorrow");
    v.add(PhraseWord::DayAfterTomorrow, "day after tomorrow");
    v.add(PhraseWord::Next, "next");
    v.add(PhraseWord::At, "at");
    v.add(PhraseWord::Noon, "noon|midday");
    v.add(PhraseWord::Midnight, "midnight");
    v.add(PhraseWord::Minutes, "m|min|mins|minute|minutes");
    v.add(PhraseWord::Hours, "h|hr|hrs|hour|hours");
    v.add(PhraseWord::Days, "d|day|days");
    v.add(PhraseWord::Weeks, "w|wk|wks|week|weeks");
    v.add(PhraseWord::OClock, "o'clock");
    v.add(PhraseWord::Am, "am|a.m.");
    v.add(PhraseWord::Pm, "pm|p.m.");
    v.add(PhraseWord::Filler, "on|the|of|and|this");
    v.add(PhraseWord::Ordinal, "st|nd|rd|th");
    return v;
}

} // namespace tavrio::test
