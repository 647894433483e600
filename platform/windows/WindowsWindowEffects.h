// The window effects on Windows, where the program's design comes from: a layered window with a
// colour key and an alpha, the topmost band, the system's own move by any point, and windows
// kept out of the taskbar by a hidden owner.
#pragma once

#include "WindowEffects.h"

namespace tavrio {

// The Windows implementation when the application runs on Qt's Windows platform, else none.
WindowEffects* windowsWindowEffects();

} // namespace tavrio
