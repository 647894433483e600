// What assistive technology (a screen reader, through AT-SPI on Linux) learns of the timer
// window: a window named by its caption, holding the countdown, whose name is the countdown in
// words (frmMain sets it). Without this Qt would offer the window as a nameless "filler".
#pragma once

namespace tavrio {

// Installs the accessibility factory for the timer window; once is enough, more does no harm.
void installTimerWindowAccessibility();

} // namespace tavrio
