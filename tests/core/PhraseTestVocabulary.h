// English words for the target phrase reader, as the platform gives them under an English
// locale, for the core's tests and the fuzzer, which have no Qt to ask.
#pragma once

#include "PhraseVocabulary.h"

namespace tavrio::test {

PhraseVocabulary englishPhrases();

} // namespace tavrio::test
