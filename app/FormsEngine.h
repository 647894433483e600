// The application's forms: owns every countdown, creates each countdown's windows on first
// reference and destroys them when they are closed, makes a timer window anew for a new border
// style, and ends the program.
#pragma once

#include "CountdownState.h"
#include "Forms.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrio {

struct Program;

class FormsEngine : public QObject, public Forms {
    Q_OBJECT

public:
    // `end` leaves the event loop; the engine makes sure no window's closing steps run on the way.
    FormsEngine(Program& program, std::function<void()> end);
    ~FormsEngine() override;

    // The program's own countdown, stored in the group "Settings": always there.
    CountdownState& firstCountdown();

    frmMain* timerWindow(CountdownState& countdown) override;
    void changeBorderStyle(CountdownState& countdown, int style) override;
    // Loads the countdown's timer window afresh if needed and shows it; its first activation
    // reads the store.
    void showTimerWindow(CountdownState& countdown);

    // The countdown whose settings are stored in the group; none once it is gone.
    CountdownState* countdownStoredIn(const std::string& group);

    frmSettings& settingsWindow(CountdownState& countdown) override;
    bool settingsWindowLoaded(const CountdownState& countdown) const;
    void showSettingsWindow(CountdownState& countdown) override;
    bool settingsWindowShown(const CountdownState& countdown) const override;
    void showMovedTarget(CountdownState& countdown) override;
    void showPopupMenu(CountdownState& countdown, QPoint globalPosition,
                       bool fromKeyboard) override;

    // The program's one ordinary end, whatever asks for it (Exit on the pop-up menu or the tray,
    // the end of the session): what is due is stored, the windows go without running their
    // closing steps, and the event loop is left.
    void endProgram() override;

    // Left and Top of each timer window, when the user moved it since it was placed: every way
    // out keeps the place, and the session manager's request to save comes before its end.
    void storePlaceIfMoved();

    // The windows as the program starts: the timer windows, and the first countdown's settings
    // window when asked for; the last one shown is the active window.
    void showAtStart(bool withSettings);

    // Told after each refresh of a timer window's display, with its countdown, the window and
    // the text.
    void
    setDisplayListener(std::function<void(CountdownState&, frmMain&, const QString&)> listener);

    // Recovery for a timer window made invisible, click-through, minimised or lost off-screen:
    // fully opaque in memory (nothing is stored), restored, wholly on a screen, in front.
    void bringBackTimerWindow(CountdownState& countdown);

private:
    // A countdown and the windows it has.
    struct Windows {
        std::unique_ptr<CountdownState> countdown;
        QPointer<frmMain> timer;
        QPointer<frmSettings> settings;
    };

    Windows& windowsOf(const CountdownState& countdown);
    const Windows& windowsOf(const CountdownState& countdown) const;
    // Unloads the countdown's timer window: its closing steps run, then it is destroyed at once.
    void unloadTimerWindow(Windows& windows);
    // The settings windows and a modal dialog over them, above the timer windows again.
    void raiseDialogs();

    Program& program_;
    std::function<void()> end_;
    std::vector<Windows> countdowns_;
    std::function<void(CountdownState&, frmMain&, const QString&)> displayListener_;
    QMetaObject::Connection focusWatch_;
};

} // namespace tavrio
