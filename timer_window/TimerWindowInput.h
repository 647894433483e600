// What the user's mouse and keys do on the timer window, on its client area and on its label
// alike. The right button opens the pop-up menu at the pointer; the left one drags the window,
// moved by hand rather than by a window-manager move, which, started on a press, can stick to the
// pointer after a quick click and swallows double-clicks. A double-click opens the settings
// window. The keyboard's way to the same, with the focus on the window: the Menu key or Shift+F10
// opens the menu at the window, Return the settings window, and the arrow keys move the window by
// a pixel (ten with Shift). A move by drag or by key is the user's, which the placement keeps.
// Ctrl+Plus (or Ctrl+=, as Plus takes Shift on many keyboards) and Ctrl+Minus make the countdown
// larger and smaller, Ctrl+0 brings back the size chosen in the font dialog, as Ctrl with the
// wheel does (TextZoom).
#pragma once

#include <QPoint>
#include <Qt>

#include <optional>

class QWidget;

namespace tavrio {

struct CountdownState;
struct Program;
class TextZoom;
class TimerWindowPlacement;

class TimerWindowInput {
public:
    TimerWindowInput(QWidget& window, TimerWindowPlacement& placement, TextZoom& zoom,
                     Program& program, CountdownState& countdown);

    void press(Qt::MouseButton button, QPoint globalPosition);
    // The pointer moved with these buttons held: while the left one drags, the window follows.
    void pointerMoved(Qt::MouseButtons buttons, QPoint globalPosition);
    void release(Qt::MouseButton button);
    void doubleClick();
    // False for the keys it leaves alone.
    bool keyDown(int key, Qt::KeyboardModifiers modifiers);

private:
    // Ctrl with Plus, Minus or 0; false for other keys.
    bool zoomKey(int key, Qt::KeyboardModifiers modifiers);

    QWidget& window_;
    TimerWindowPlacement& placement_;
    TextZoom& zoom_;
    Program& program_;
    CountdownState& countdown_;
    // Where the pointer holds the window while the left button drags it, from the frame's corner.
    std::optional<QPoint> dragOffset_;
};

} // namespace tavrio
