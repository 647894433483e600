// Fitting texts into a window whose controls sit at fixed places: the design was made for English
// and a smaller dialog font, and a translated text may need more room. A control then grows into
// the room free beside or below it, never over another control or past the window's margin.
#pragma once

class QWidget;

namespace tavrio {

// Where the control's room ends to its right: at the nearest control on the same rows, less
// `gap`, or else at the window's width less `margin`.
int roomRight(const QWidget& control, int gap, int margin);
// Where the control's room ends below it: at the nearest control in the same columns, less
// `gap`, or else at the window's height less `margin`.
int roomBelow(const QWidget& control, int gap, int margin);

// Widens the control to its size hint, as far as the room to its right allows.
void growToFit(QWidget& control, int gap, int margin);

} // namespace tavrio
