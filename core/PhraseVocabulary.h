// The words a target phrase is read with ("friday 5pm", "in 25 min", "24 dec"), as a plain value:
// the platform fills one from the user's language and locale, tests make their own. Every word
// is kept folded as the reader compares it: lower case, single blanks, no trailing period, so
// that "Dez." and "dez" are one word.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio {

// What a word means in a phrase.
enum class PhraseWord : std::uint8_t {
    In,               // before a duration: "in 25 min", "dans", "через"
    Later,            // after a duration: "25 min later", "25分後"
    Today,            // the relative days
    Tomorrow,         //
    DayAfterTomorrow, //
    Next,             // before or after a weekday: the first such day after today
    At,               // before a time of day, which may then be a bare hour: "at 9"
    Noon,             //
    Midnight,         // the end of the day it goes with
    Minutes,          // the units of a duration
    Hours,            //
    Days,             //
    Weeks,            //
    OClock,           // after an hour, maybe before its minutes: "17 uhr", "17h30", "9時"
    Am,               // the halves of a 12-hour clock, after or before the time
    Pm,               //
    Filler,           // means nothing by itself: "on", "the", "de", "の"
    Ordinal,          // after a day of the month: "24th", "1er"
    Month,            // a month's name, with its number (1 to 12)
    Weekday,          // a weekday's name, with its number (1 Monday to 7 Sunday)
};

struct PhraseVocabulary {
    struct Entry {
        std::string text;
        PhraseWord word;
        int number = 0; // the month's or weekday's
    };

    std::vector<Entry> entries;
    // What separates hours from minutes: ":" and the locale's own (fi: "17.30").
    std::vector<std::string> timeSeparators{":"};

    // Adds each variant of `variants`, separated by '|'. The caller folds what ASCII folding
    // cannot (letters outside ASCII, accents); here ASCII letters are lowered, blanks made single
    // and a trailing period dropped. Empty variants are skipped.
    void add(PhraseWord word, std::string_view variants, int number = 0);
};

// A word as the vocabulary keeps it (see above).
std::string foldedWord(std::string_view word);

} // namespace tavrio
