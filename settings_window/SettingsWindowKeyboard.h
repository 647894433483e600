// Where the keyboard goes around the settings window. Escape closes the window as its close
// button does; a control that takes Escape itself (an open list, the calendar's year box) keeps
// it. A window opened from the timer window (a double-click, Return) gives the keyboard back to
// it as it closes: window managers hand it to whichever window they like, or to none. And where
// another window took the activation (a re-created timer window, the font dialog), the window
// takes it back with the focus where the user was.
#pragma once

#include <QObject>

class QWidget;

namespace tavrio {

struct CountdownState;
struct Program;

class SettingsWindowKeyboard : public QObject {
    Q_OBJECT

public:
    // Watches the window's showing, closing and keys.
    SettingsWindowKeyboard(QWidget& window, Program& program, CountdownState& countdown);

    // The window active, with the focus on `control`, when the window is shown.
    void returnTo(QWidget& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    Program& program_;
    CountdownState& countdown_;
    // The timer window had the keyboard when the window was shown.
    bool openedFromTimer_ = false;
};

} // namespace tavrio
