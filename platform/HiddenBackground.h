// A window's hidden background: only what the window's children draw (and the frame) stays, to
// the eye and to the mouse, and clicks elsewhere reach the window below. The window's background
// is painted in a key colour that is left out.
// Where a compositing manager draws the desktop, the background is not drawn at all: the
// children's text is anti-aliased against nothing and its edges blend with whatever lies below,
// and the window takes input only where the children draw. Where none does, the window is cut to
// the pixels its children draw over the key colour, and their text is drawn without
// anti-aliasing, so that no edge pixel mixes the key colour in. The window follows a compositor
// that starts or stops, and takes its shape anew whenever its children draw something new. On
// Windows the system leaves the key colour out itself, as the window's own colour key; the text
// is drawn without anti-aliasing there too.
#pragma once

#include <QColor>

#include <optional>

class QRegion;
class QWidget;

namespace tavrio {

namespace HiddenBackground {

// Starts hiding the background of the window, or stops and shows it whole. The window's
// background is painted in the key colour while it is hidden.
void setEnabled(QWidget& window, bool enabled, QColor key);

// Where the window's children draw over nothing, in device pixels, leaving out what they draw in
// exactly the key colour, if one is given.
QRegion drawnRegion(QWidget& window, std::optional<QColor> key);

} // namespace HiddenBackground

} // namespace tavrio
