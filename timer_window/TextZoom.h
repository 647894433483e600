// The countdown made larger or smaller from the timer window itself: Ctrl with the mouse wheel (a
// notch a step, a touchpad's scrolling summed into notches), Ctrl+Plus and Ctrl+Minus, and Ctrl+0
// back to the size last chosen in the font dialog. The window follows to fit the text exactly,
// about its centre, and a step it would take past the screen is not taken. What the user set is
// stored when the user stops, not at every notch: FontSize and the window's size in one go, and
// with the first change the size Ctrl+0 comes back to.
#pragma once

#include "FontZoom.h"

#include <QObject>
#include <QTimer>

#include <optional>
#include <string>

class QWheelEvent;

namespace tavrio {

class DisplayLabel;
class TimerWindowPlacement;
struct Program;

class TextZoom : public QObject {
    Q_OBJECT

public:
    // How long after the last step the user counts as stopped.
    static constexpr int kStoppedAfterMs = 700;

    // Stores in the group of the window's countdown.
    TextZoom(DisplayLabel& label, TimerWindowPlacement& placement, Program& program,
             std::string group);

    // False for a wheel without Ctrl, which is not for sizing.
    bool wheel(const QWheelEvent& event);
    // Steps larger, or smaller for negative ones, as far as the sizes and the screen let it go.
    void step(int steps);
    void backToChosenSize();
    // The font dialog's choice, which Ctrl+0 comes back to from now on.
    void fontChosen(int points);
    // Stores at once what waits for the user to stop: every way out passes here.
    void storeNow();

private:
    // The size Ctrl+0 comes back to, from the store, or the size the text has before it is first
    // changed here.
    int chosenSize();
    // Shows the text at that size in a window that fits it; false where the screen has no room.
    bool show(int points);

    DisplayLabel& label_;
    TimerWindowPlacement& placement_;
    Program& program_;
    const std::string group_;
    WheelSteps wheelSteps_;
    QTimer stopped_;
    std::optional<int> chosen_;
    bool chosenStored_ = false;
    bool unstored_ = false;
};

} // namespace tavrio
