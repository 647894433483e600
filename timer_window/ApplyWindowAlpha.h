// The one operation that sets the timer window's translucency and background hiding.
#pragma once

#include <QColor>

#include <cstdint>

class QWidget;

namespace tavrio {

// The background colour while the background is hidden, and the colour that is keyed out.
inline const QColor kBackgroundKeyColor{0, 0, 1};

// Draws the whole window, frame included, with the given alpha (0 invisible and passing all mouse
// input through, 255 opaque). With hideBackground the background colour is kBackgroundKeyColor,
// which is left out, to the eye and to the mouse, so that only the text and the frame remain
// (HiddenBackground: truly transparent where a compositor runs); without it the window has the
// button-face background and no colour key. Every call sets all of this anew, so the last one
// wins and a repeated call changes nothing. True when the window system took the requests.
bool ApplyWindowAlpha(QWidget& window, std::uint8_t opacity, bool hideBackground);

} // namespace tavrio
