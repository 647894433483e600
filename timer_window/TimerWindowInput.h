// What the user's mouse and keys do on the timer window, on its client area and on its label
// alike. The right button opens the pop-up menu at the pointer; the left one drags the window,
// moved by hand rather than by a window-manager move, which, started on a press, can stick to the
// pointer after a quick click and swallows double-clicks. A double-click opens the settings
// window. The keyboard's way to the same, with the focus on the window: the Menu key or Shift+F10
// opens the menu at the window, Return the settings window, and the arrow keys move the window by
// a pixel (ten with Shift). A move by drag or by key is the user's, which the placement keeps.
#pragma once

#include <QPoint>
#include <Qt>

#include <optional>

class QWidget;

namespace tavrio {

struct CountdownState;
struct Program;
class TimerWindowPlacement;

class TimerWindowInput {
public:
    TimerWindowInput(QWidget& window, TimerWindowPlacement& placement, Program& program,
                     CountdownState& countdown);

    void press(Qt::MouseButton button, QPoint globalPosition);
    // The pointer moved with these buttons held: while the left one drags, the window follows.
    void pointerMoved(Qt::MouseButtons buttons, QPoint globalPosition);
    void release(Qt::MouseButton button);
    void doubleClick();
    // False for the keys it leaves alone.
    bool keyDown(int key, Qt::KeyboardModifiers modifiers);

private:
    QWidget& window_;
    TimerWindowPlacement& placement_;
    Program& program_;
    CountdownState& countdown_;
    // Where the pointer holds the window while the left button drags it, from the frame's corner.
    std::optional<QPoint> dragOffset_;
};

} // namespace tavrio
