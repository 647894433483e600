// The program's translations, installed in the application. English is the language of the
// source texts, but a text with a count ("%n day(s)") takes its English singular and plural from
// a translation too.
#pragma once

namespace tavrio {

// Installs the translations into the running application; called once, after it is made.
void installTranslations();

} // namespace tavrio
