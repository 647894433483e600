// The settings window as designed: its controls in the design's order, each under its design name
// (txtWhat, Label4, Combo1, ...), where each sits in twips, the captions above the controls and
// which control each names (to a screen reader, and to the keyboard as its buddy), and the order
// in which Tab goes through the controls. The design was made for English and a smaller dialog
// font than most desktops use: a text wider than its control grows the control into the room
// beside it. Below the design's controls, the group for when the time comes (MomentGroup).
#pragma once

#include "Twips.h"

#include <QSize>
#include <QString>

class QWidget;

namespace tavrio {

// The window's size in the design.
inline constexpr QSize kSettingsWindowSize{4815 / kTwipsPerPixel, 7950 / kTwipsPerPixel};

// The design's margin at the window's edges, in pixels.
inline constexpr int kDesignMargin = 240 / kTwipsPerPixel;

// A text of the design, in the user's language.
QString designText(const char* text);

// The page of controls, laid out at the design's size with the group below, and never smaller than
// what shows them all.
QWidget* makeDesignPage();

// A control as its caption names it to a screen reader, which says the name and then what kind of
// control it is: no mnemonic marks (a doubled ampersand as one) and no colon.
QString spokenCaption(const QString& caption);

} // namespace tavrio
