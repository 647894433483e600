// What assistive technology learns of the settings window beyond what Qt offers by itself: a
// dialog named by its caption (Qt would offer a nameless "filler"), the donation picture as a
// link that can be pressed, the calendar's days named by their full dates and its day names as
// column headers, and the border-style list named by its label.
#pragma once

namespace tavrio {

// Installs the accessibility factory for the settings window; once is enough, more does no harm.
void installSettingsWindowAccessibility();

} // namespace tavrio
