// The windows' view of each other for tests: no window is created or destroyed behind the
// test's back. Each call is counted; the timer window and the settings window are whatever the
// test hands over, for whichever countdown asks.
#pragma once

#include "Forms.h"

#include <QList>
#include <QPoint>

namespace tavrio::test {

class FakeForms : public Forms {
public:
    // What timerWindow() returns; none until the test sets it.
    frmMain* timer = nullptr;

    // The border styles asked for, in order.
    QList<int> borderStyleChanges;
    int showSettingsWindowCalls = 0;
    int endProgramCalls = 0;
    QList<QPoint> popupMenuPositions;

    frmMain* timerWindow(CountdownState&) override { return timer; }
    void changeBorderStyle(CountdownState&, int style) override {
        borderStyleChanges.append(style);
    }

    void showSettingsWindow(CountdownState&) override { ++showSettingsWindowCalls; }

    void showPopupMenu(CountdownState&, QPoint globalPosition, bool) override {
        popupMenuPositions.append(globalPosition);
    }

    // The countdowns asked for, from which, and removed.
    int newCountdownCalls = 0;
    int removeCountdownCalls = 0;
    void newCountdown(CountdownState&) override { ++newCountdownCalls; }
    void removeCountdown(CountdownState&) override { ++removeCountdownCalls; }

    void endProgram() override { ++endProgramCalls; }
};

} // namespace tavrio::test
