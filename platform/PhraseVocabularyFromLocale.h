// The words a target phrase is read with ("friday 17:00", "in 25 min", "24 dec") in the language
// the program speaks: the relative words as its translation gives them, each with its variants,
// English's beside them, and the names of the months and weekdays, long and short, as the
// language's locale, the regional one and English write them. What the user types is folded as
// these words are, so that letter case, and accents where a language can do without them, do not
// matter.
#pragma once

#include "PhraseVocabulary.h"

#include <string>

class QLocale;
class QString;

namespace tavrio {

// The words of `language` and `region`. The words other than English's come from the program's
// translations, which must be installed (ProgramLanguage) for the language.
PhraseVocabulary phraseVocabulary(const QLocale& language, const QLocale& region);

// The words of the language the program speaks and of the user's regional settings.
PhraseVocabulary phraseVocabulary();

// Text as the reader compares it: compatibility forms made plain (full-width digits and colons),
// letter case folded, and the accents of Latin letters dropped, as well as the diaeresis of the
// Cyrillic "ё"; the marks of other scripts (kana, "й") change the word and stay.
std::string phraseText(const QString& text);

} // namespace tavrio
