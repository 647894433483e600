// The application's forms: owns every countdown, in the order the user made them, with the group
// list that records them; creates each countdown's windows on first reference and destroys them
// when they are closed; makes a timer window anew for a new border style; ticks every timer
// window once a second from one timer; and ends the program.
#pragma once

#include "CountdownState.h"
#include "Forms.h"
#include "SecondTicker.h"
#include "TargetArgument.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrio {

struct Program;

class FormsEngine : public QObject, public Forms {
    Q_OBJECT

public:
    // The countdowns the store lists. `end` leaves the event loop; the engine makes sure no
    // window's closing steps run on the way.
    FormsEngine(Program& program, std::function<void()> end);
    ~FormsEngine() override;

    // The program's own countdown, stored in the group "Settings": always there.
    CountdownState& firstCountdown();
    // Every countdown, the first first.
    std::vector<CountdownState*> countdowns() const;

    frmMain* timerWindow(CountdownState& countdown) override;
    void changeBorderStyle(CountdownState& countdown, int style) override;
    // Loads the countdown's timer window afresh if needed and shows it; its first activation
    // reads the store.
    void showTimerWindow(CountdownState& countdown);

    // The countdown whose settings are stored in the group; none once it is gone.
    CountdownState* countdownStoredIn(const std::string& group);

    // The countdown's settings window, loaded hidden on first reference.
    frmSettings& settingsWindow(CountdownState& countdown);
    bool settingsWindowLoaded(const CountdownState& countdown) const;
    void showSettingsWindow(CountdownState& countdown) override;
    bool settingsWindowShown(const CountdownState& countdown) const override;
    void showMovedTarget(CountdownState& countdown) override;
    void showPopupMenu(CountdownState& countdown, QPoint globalPosition,
                       bool fromKeyboard) override;

    void newCountdown(CountdownState& from) override;
    void removeCountdown(CountdownState& countdown) override;

    // A target (and a title) set from outside the windows, as by the command line: stored at
    // once, in force now, shown at once by the countdown's timer window and by its settings
    // window if loaded, as if it had been stored when they opened. False when the countdown has
    // no windows; whether the values reached the disk is the writer's to tell once they are
    // written (a save's own answer is about the key's write before it).
    bool putTargetInForce(CountdownState& countdown, const TargetArgument& target,
                          const std::optional<QString>& title);
    // A new countdown beside `from`, as newCountdown makes it, with the target and title stored
    // before its timer window reads them, and no settings window.
    bool newCountdownWithTarget(CountdownState& from, const TargetArgument& target,
                                const std::optional<QString>& title);

    // The program's one ordinary end, whatever asks for it (Exit on the pop-up menu or the tray,
    // the end of the session): what is due is stored, the windows go without running their
    // closing steps, and the event loop is left.
    void endProgram() override;

    // Left and Top of each timer window, when the user moved it since it was placed: every way
    // out keeps the place, and the session manager's request to save comes before its end.
    void storePlaceIfMoved();

    // The windows as the program starts: every timer window, and the first countdown's settings
    // window when asked for; the last one shown is the active window.
    void showAtStart(bool withSettings);

    // Recovery for a timer window made invisible, click-through, minimised or lost off-screen:
    // fully opaque in memory (nothing is stored), restored, wholly on a screen, in front.
    void bringBackTimerWindow(CountdownState& countdown);
    void bringBackTimerWindows();

signals:
    // After each refresh of a timer window's display, with the text shown.
    void displayed(CountdownState& countdown, const QString& caption, const QString& text);
    // A countdown was removed, and is gone by now.
    void countdownRemoved(const std::string& group);

private:
    // A countdown and the windows it has.
    struct Windows {
        std::unique_ptr<CountdownState> countdown;
        QPointer<frmMain> timer;
        QPointer<frmSettings> settings;
    };

    // None for a countdown removed meanwhile, whose windows may still be going.
    Windows* windowsOf(const CountdownState& countdown);
    const Windows* windowsOf(const CountdownState& countdown) const;
    // Unloads the countdown's timer window: its closing steps run, then it is destroyed at once.
    void unloadTimerWindow(Windows& windows);
    // A new countdown beside `from`, with its timer window; `prepare` stores what it begins with
    // before the window reads the store.
    CountdownState& addCountdown(CountdownState& from,
                                 const std::function<void(CountdownState&)>& prepare);
    void copyLook(const CountdownState& from, const CountdownState& made);
    // The new countdown's timer window beside the one it was asked for from.
    void placeBeside(CountdownState& made, CountdownState& from);
    // Records which countdowns there are beyond the first.
    void storeCountdownList();
    // A settings window names its countdown in its caption while there are several.
    void nameCountdownsInCaptions();
    // The settings windows and a modal dialog over them, above the timer windows again.
    void raiseDialogs();

    Program& program_;
    std::function<void()> end_;
    std::vector<Windows> countdowns_;
    // Removed countdowns live on until the program ends: their windows go only once the handler
    // that removed them has ended, and read their countdown until then.
    std::vector<std::unique_ptr<CountdownState>> retired_;
    // One tick for every timer window.
    SecondTicker ticker_;
    QMetaObject::Connection focusWatch_;
};

} // namespace tavrio
