// The two windows are created on first reference and destroyed when closed, and they call each
// other directly. This is the one place that knows which of them exist; the application provides
// it, tests provide their own.
#pragma once

#include <QPoint>

namespace tavrio {

class frmMain;
class frmSettings;

class Forms {
public:
    virtual ~Forms() = default;

    // The timer window, or none while it is being re-created.
    virtual frmMain* timerWindow() = 0;
    // Unloads the timer window: its closing steps run, then it is destroyed at once.
    virtual void unloadTimerWindow() = 0;
    // Loads the timer window afresh if needed and shows it; its first activation reads the store.
    virtual void showTimerWindow() = 0;

    // The settings window, loaded hidden on first reference.
    virtual frmSettings& settingsWindow() = 0;
    virtual bool settingsWindowLoaded() const = 0;
    // Loads it if needed, shows it modeless without an owner and brings it to the front.
    virtual void showSettingsWindow() = 0;

    // Shows the settings window's hidden menu at the pointer, loading that window hidden if need
    // be, and returns when the menu has closed and the chosen item's handler has run. Opened from
    // the keyboard, its first entry is active, so that Return alone chooses it.
    virtual void showPopupMenu(QPoint globalPosition, bool fromKeyboard) = 0;

    // Ends the program at once: no closing step of any window runs.
    virtual void endProgram() = 0;
};

} // namespace tavrio
