#include "PhraseVocabulary.h"

#include "TextScan.h"

namespace tavrio {

std::string foldedWord(std::string_view word) {
    word = trimBlanks(word);
    while (!word.empty() && word.back() == '.') {
        word.remove_suffix(1);
        word = trimBlanks(word);
    }
    std::string folded;
    for (const char c : word) {
        if (isBlank(c)) {
            if (!folded.empty() && folded.back() != ' ') {
                folded += ' ';
            }
        } else {
            folded += lowerAscii(c);
        }
    }
    return folded;
}

void PhraseVocabulary::add(PhraseWord word, std::string_view variants, int number) {
    while (true) {
        const std::size_t bar = variants.find('|');
        std::string folded = foldedWord(variants.substr(0, bar));
        if (!folded.empty()) {
            entries.push_back({std::move(folded), word, number});
        }
        if (bar == std::string_view::npos) {
            return;
        }
        variants.remove_prefix(bar + 1);
    }
}

} // namespace tavrio
