// The X11 window effects, where the application runs on the xcb platform.
#pragma once

#include "WindowEffects.h"

namespace tavrio {

// The X11 implementation when the application runs on X11, else none.
WindowEffects* x11WindowEffects();

} // namespace tavrio
