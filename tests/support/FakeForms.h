// The windows' view of each other for tests: no window is created or destroyed behind the
// test's back. Each call is counted; the timer window and the settings window are whatever the
// test hands over.
#pragma once

#include "Forms.h"

#include <QList>
#include <QPoint>

#include <functional>

namespace tavrio::test {

class FakeForms : public Forms {
public:
    // What timerWindow() returns; none until the test sets it.
    frmMain* timer = nullptr;
    // What settingsWindow() returns. A test that reaches settingsWindow() without setting it
    // stops with a fatal message rather than getting a window nobody made.
    std::function<frmSettings&()> settings;

    int unloadTimerWindowCalls = 0;
    int showTimerWindowCalls = 0;
    int showSettingsWindowCalls = 0;
    int endProgramCalls = 0;
    QList<QPoint> popupMenuPositions;

    frmMain* timerWindow() override { return timer; }
    void unloadTimerWindow() override { ++unloadTimerWindowCalls; }
    void showTimerWindow() override { ++showTimerWindowCalls; }

    frmSettings& settingsWindow() override;
    // True once settingsWindow() has been reached.
    bool settingsWindowLoaded() const override { return settingsReached_; }
    void showSettingsWindow() override { ++showSettingsWindowCalls; }

    void showPopupMenu(QPoint globalPosition, bool) override {
        popupMenuPositions.append(globalPosition);
    }

    void endProgram() override { ++endProgramCalls; }

private:
    bool settingsReached_ = false;
};

} // namespace tavrio::test
