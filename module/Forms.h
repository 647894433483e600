// The two windows are created on first reference and destroyed when closed, and they call each
// other directly. This is the one place that knows which of them exist; the application provides
// it, tests provide their own.
#pragma once

namespace tavrio {

class frmMain;

class Forms {
public:
    virtual ~Forms() = default;

    // The timer window, or none while it is being re-created.
    virtual frmMain* timerWindow() = 0;
    // Unloads the timer window: its closing steps run, then it is destroyed.
    virtual void unloadTimerWindow() = 0;
    // Loads the timer window afresh if needed and shows it; its first activation reads the store.
    virtual void showTimerWindow() = 0;

    // Ends the program at once: no closing step of any window runs.
    virtual void endProgram() = 0;
};

} // namespace tavrio
