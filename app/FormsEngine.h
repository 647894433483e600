// The application's forms: creates each window on first reference, destroys it when it is
// closed, and ends the program.
#pragma once

#include "Forms.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

namespace tavrio {

struct Program;

class FormsEngine : public QObject, public Forms {
    Q_OBJECT

public:
    // `end` leaves the event loop; the engine makes sure no window's closing steps run on the way.
    FormsEngine(Program& program, std::function<void()> end);
    ~FormsEngine() override;

    frmMain* timerWindow() override;
    void unloadTimerWindow() override;
    void showTimerWindow() override;

    frmSettings& settingsWindow() override;
    bool settingsWindowLoaded() const override;
    void showSettingsWindow() override;
    void showPopupMenu(QPoint globalPosition, bool fromKeyboard) override;

    // The program's one ordinary end, whatever asks for it (Exit on the pop-up menu or the tray,
    // the end of the session): what is due is stored, the windows go without running their
    // closing steps, and the event loop is left.
    void endProgram() override;

    // Left and Top of the timer window, when the user moved it since it was placed: every way out
    // keeps the place, and the session manager's request to save comes before its end.
    void storePlaceIfMoved();

    // The windows as the program starts: the timer window, and the settings window when asked
    // for; the last one shown is the active window.
    void showAtStart(bool withSettings);

    // Told after each refresh of the timer window's display, with the window and the text.
    void setDisplayListener(std::function<void(frmMain&, const QString&)> listener);

    // Recovery for a timer window made invisible, click-through, minimised or lost off-screen:
    // fully opaque in memory (nothing is stored), restored, wholly on a screen, in front.
    void bringBackTimerWindow();

private:
    // The settings window and a modal dialog over it, above the timer window again.
    void raiseDialogs();

    Program& program_;
    std::function<void()> end_;
    QPointer<frmMain> timerWindow_;
    QPointer<frmSettings> settingsWindow_;
    std::function<void(frmMain&, const QString&)> displayListener_;
    QMetaObject::Connection focusWatch_;
};

} // namespace tavrio
