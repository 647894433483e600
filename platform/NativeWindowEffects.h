// The window system's own effects, where the program runs on one Tavrio knows: X11 (the x11/
// folder) or Windows (windows/), chosen by the build; none elsewhere (NoNativeWindowEffects.cpp)
// or where the program runs on another Qt platform, and then the portable effects serve.
#pragma once

#include "WindowEffects.h"

namespace tavrio {

WindowEffects* nativeWindowEffects();

} // namespace tavrio
