// Input transparency for a top-level widget, portable across Qt platforms.
#pragma once

#include <functional>

class QWidget;

namespace tavrio {

// Sets the window's input transparency now or, before it is on screen, on its first exposure,
// and calls `applied` (if any) once it is set.
void applyInputTransparency(QWidget& window, bool transparent, std::function<void()> applied = {});

} // namespace tavrio
