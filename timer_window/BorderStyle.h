// The timer window's six border styles, the entries of the settings window's border-style list:
// 0 no frame, 1 a fixed single frame, 2 a sizable frame, 3 a fixed dialog frame, 4 a fixed tool
// window, 5 a sizable tool window. Each keeps the window above others.
#pragma once

#include <Qt>

class QWidget;

namespace tavrio {

Qt::WindowFlags windowFlagsFor(int style);

// The window takes the style's flags; with styles 1, 3 and 4 it keeps the size it has.
void applyBorderStyle(QWidget& window, int style);

} // namespace tavrio
