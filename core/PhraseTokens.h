// A typed phrase cut into what its reader works on: numbers, the vocabulary's words with every
// meaning each has, and the few marks a phrase may hold. A word is matched whole: where words are
// written apart, it may not run on into a letter ("fri" is not in "frid", nor "in" in "inch");
// in scripts written without blanks (Chinese, Japanese) the longest word at each place is taken.
// Only ASCII letters are folded here: the text comes folded as the vocabulary is.
#pragma once

#include "PhraseVocabulary.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tavrio {

struct PhraseToken {
    enum class Kind : std::uint8_t { Word, Number, Mark };

    Kind kind = Kind::Mark;
    std::uint32_t words = 0;    // a word's meanings, a bit per PhraseWord
    std::uint16_t months = 0;   // a bit per month number it names
    std::uint8_t weekdays = 0;  // a bit per weekday number it names
    std::uint32_t value = 0;    // a number's
    std::uint8_t digits = 0;    // how many digits the number was written with
    char mark = 0;              // ',', '.' or '+'
    bool separatesTime = false; // a mark between hours and minutes

    bool means(PhraseWord word) const;
};

// No phrase is longer; a longer text is no phrase, and reading stays cheap for any text.
inline constexpr std::size_t kMaxPhraseTokens = 24;

// The tokens, or none when the text holds something that is none of them (a word the vocabulary
// does not have, a number of more than nine digits) or more than kMaxPhraseTokens of them.
std::optional<std::vector<PhraseToken>> phraseTokens(std::string_view text,
                                                     const PhraseVocabulary& vocabulary);

} // namespace tavrio
