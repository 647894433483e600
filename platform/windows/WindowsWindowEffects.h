// The window effects on Windows, where the program's design comes from: a layered window with a
// colour key and an alpha, windows kept out of the taskbar by a hidden owner, and activation that
// Windows lets through. (The topmost band is Qt's: its stay-on-top flag is HWND_TOPMOST.)
#pragma once

#include "WindowEffects.h"

namespace tavrio {

// The Windows implementation when the application runs on Qt's Windows platform, else none.
WindowEffects* windowsWindowEffects();

} // namespace tavrio
