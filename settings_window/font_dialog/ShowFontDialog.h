// The font dialog as the settings window's font button uses it.
#pragma once

#include "FontSpec.h"

#include <QRect>

#include <optional>

class QWidget;

namespace tavrio {

// Shows the font dialog, starting from `spec`, modal over `owner` only (the timer window goes on
// taking clicks), and returns the chosen font, or none when the user cancels. The dialog opens
// centred over `owner`, or beside `keptClear` (the timer window) when it would cover it and there
// is room, and wholly on the screen.
std::optional<FontSpec> ShowFontDialog(QWidget& owner, const FontSpec& spec,
                                       const std::optional<QRect>& keptClear = std::nullopt);

} // namespace tavrio
