// Tavrio's dialogs stay in reach: the settings window, the font dialog and the colour dialog are
// kept above the timer window, which is kept above all others, so they are always usable; they
// open wholly on a screen, and beside the timer window where there is room, so that the countdown
// stays in sight. Every dialog opens through here.
#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

namespace tavrio {

// Shows `window` (a settings window): when it is not shown yet, sized to its screen and placed
// beside `keptClear` (its timer window with its frame); kept above `timer`, out of the taskbar,
// in front and active.
void showInReach(QWidget& window, const QWidget* timer, const std::optional<QRect>& keptClear);

// Keeps a shown `window` above `timer`, also a timer window made anew under it.
void keepAboveTimerWindow(QWidget& window, const QWidget* timer);

// Sizes and places `dialog`, not shown yet, as it would open centred over `owner`, then beside
// `keptClear` (the timer window with its frame) and kept above like its owner.
void placeDialogInReach(QWidget& dialog, const QWidget& owner,
                        const std::optional<QRect>& keptClear);

// A dialog kept above all other windows when the window it is opened over is: some window
// managers (xfwm4) keep a dialog above its owner only within the owner's own layer.
void keptAboveAs(QWidget& dialog, const QWidget* owner);

} // namespace tavrio
