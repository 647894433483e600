#include "PhraseTokens.h"

#include "TextScan.h"

namespace tavrio {

namespace {

constexpr std::size_t kMaxDigits = 9;

// What a character is to the whole-word rule.
enum class CharClass { Letter, Digit, Joined, Other };

// Scripts written without blanks between words: CJK punctuation, kana and ideographs, and the
// full-width forms.
bool writtenJoined(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

CharClass classOf(char32_t c) {
    if (c < 0x80) {
        if (isDigit(static_cast<char>(c))) {
            return CharClass::Digit;
        }
        const char lower = lowerAscii(static_cast<char>(c));
        return lower >= 'a' && lower <= 'z' ? CharClass::Letter : CharClass::Other;
    }
    // Outside ASCII, whatever is not written joined counts as a letter: accented Latin, Cyrillic,
    // and bytes that are no UTF-8 at all.
    return writtenJoined(c) ? CharClass::Joined : CharClass::Letter;
}

// The character that starts at `at`; a byte that starts none stands for itself (and a letter).
char32_t characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || at + length > text.size()) {
        return 0xFFFD;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    return c;
}

// The character that ends just before `end`.
char32_t characterBefore(std::string_view text, std::size_t end) {
    std::size_t start = end - 1;
    while (start > 0 && end - start < 4 &&
           (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
        --start;
    }
    return characterAt(text, start);
}

// Where `word` (folded, single blanks) ends when it is written at `at`; a blank in it stands for
// any run of blanks.
std::optional<std::size_t> wordEnd(std::string_view text, std::size_t at, std::string_view word) {
    std::size_t i = at;
    for (const char w : word) {
        if (i >= text.size()) {
            return std::nullopt;
        }
        if (w == ' ') {
            if (!isBlank(text[i])) {
                return std::nullopt;
            }
            while (i < text.size() && isBlank(text[i])) {
                ++i;
            }
        } else if (lowerAscii(text[i++]) != w) {
            return std::nullopt;
        }
    }
    return i;
}

// A word must not run on into a letter on either side.
bool standsWhole(std::string_view text, std::size_t start, std::size_t end) {
    const auto letter = [](char32_t c) {
        return classOf(c) == CharClass::Letter;
    };
    if (start > 0 && letter(characterBefore(text, start)) && letter(characterAt(text, start))) {
        return false;
    }
    return end == text.size() ||
           !(letter(characterBefore(text, end)) && letter(characterAt(text, end)));
}

// The longest of the vocabulary's words at `at`, with every meaning that word has.
std::optional<PhraseToken> takeWord(std::string_view text, std::size_t& at,
                                    const PhraseVocabulary& vocabulary) {
    std::size_t longest = at;
    PhraseToken token{PhraseToken::Kind::Word};
    for (const PhraseVocabulary::Entry& entry : vocabulary.entries) {
        const auto end = wordEnd(text, at, entry.text);
        if (!end || *end < longest || !standsWhole(text, at, *end)) {
            continue;
        }
        if (*end > longest) {
            longest = *end;
            token = PhraseToken{PhraseToken::Kind::Word};
        }
        token.words |= 1U << static_cast<unsigned>(entry.word);
        if (entry.word == PhraseWord::Month && entry.number >= 1 && entry.number <= 12) {
            token.months |= static_cast<std::uint16_t>(1U << entry.number);
        } else if (entry.word == PhraseWord::Weekday && entry.number >= 1 && entry.number <= 7) {
            token.weekdays |= static_cast<std::uint8_t>(1U << entry.number);
        }
    }
    if (longest == at) {
        return std::nullopt;
    }
    at = longest;
    return token;
}

std::optional<PhraseToken> takeNumber(std::string_view text, std::size_t& at) {
    PhraseToken token{PhraseToken::Kind::Number};
    while (at < text.size() && isDigit(text[at])) {
        if (token.digits == kMaxDigits) {
            return std::nullopt;
        }
        token.value = token.value * 10 + static_cast<std::uint32_t>(text[at] - '0');
        ++token.digits;
        ++at;
    }
    return token;
}

std::optional<PhraseToken> takeMark(std::string_view text, std::size_t& at,
                                    const PhraseVocabulary& vocabulary) {
    PhraseToken token{PhraseToken::Kind::Mark};
    for (const std::string& separator : vocabulary.timeSeparators) {
        if (!separator.empty() && text.substr(at).starts_with(separator)) {
            token.mark = separator.front();
            token.separatesTime = true;
            at += separator.size();
            return token;
        }
    }
    if (text[at] == ',' || text[at] == '.' || text[at] == '+') {
        token.mark = text[at++];
        return token;
    }
    return std::nullopt;
}

} // namespace

bool PhraseToken::means(PhraseWord word) const {
    return (words & (1U << static_cast<unsigned>(word))) != 0;
}

std::optional<std::vector<PhraseToken>> phraseTokens(std::string_view text,
                                                     const PhraseVocabulary& vocabulary) {
    std::vector<PhraseToken> tokens;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isBlank(text[at])) {
            ++at;
            continue;
        }
        if (tokens.size() == kMaxPhraseTokens) {
            return std::nullopt;
        }
        auto token = takeWord(text, at, vocabulary);
        if (!token && isDigit(text[at])) {
            token = takeNumber(text, at);
        } else if (!token) {
            token = takeMark(text, at, vocabulary);
        }
        if (!token) {
            return std::nullopt;
        }
        tokens.push_back(*token);
    }
    return tokens;
}

} // namespace tavrio
