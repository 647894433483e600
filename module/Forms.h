// Each countdown has two windows, created on first reference and destroyed when closed, which
// call each other directly. This is the one place that knows which of them exist; the
// application provides it, tests provide their own.
#pragma once

#include <QPoint>

namespace tavrio {

struct CountdownState;
class frmMain;
class frmSettings;

class Forms {
public:
    virtual ~Forms() = default;

    // The countdown's timer window, or none while it is being re-created.
    virtual frmMain* timerWindow(CountdownState& countdown) = 0;
    // The border style the user chose for the countdown, stored, in a timer window made anew:
    // what the user changed in the countdown's settings window is stored first, the old window
    // is unloaded (its closing steps run, but the program does not end), and the new one reads
    // every setting from the store at its first activation.
    virtual void changeBorderStyle(CountdownState& countdown, int style) = 0;

    // Loads the countdown's settings window if needed, shows it modeless without an owner and
    // brings it to the front.
    virtual void showSettingsWindow(CountdownState& countdown) = 0;

    // Shows the countdown's settings window's hidden menu at the pointer, loading that window
    // hidden if need be, and returns when the menu has closed and the chosen item's handler has
    // run. Opened from the keyboard, its first entry is active, so that Return alone chooses it.
    virtual void showPopupMenu(CountdownState& countdown, QPoint globalPosition,
                               bool fromKeyboard) = 0;

    // A new countdown, listed after the others, with its timer window beside the one of `from`
    // and its settings window open for its title.
    virtual void newCountdown(CountdownState& from) = 0;
    // The countdown gone for good, with its windows and its stored values; the first countdown
    // is the program's own and stays.
    virtual void removeCountdown(CountdownState& countdown) = 0;

    // Ends the program at once: no closing step of any window runs.
    virtual void endProgram() = 0;
};

} // namespace tavrio
