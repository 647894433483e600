// Input transparency for a top-level widget, portable across Qt platforms.
#pragma once

class QWidget;

namespace tavrio {

// Sets the window's input transparency now or, before it is on screen, on its first exposure.
void applyInputTransparency(QWidget& window, bool transparent);

} // namespace tavrio
