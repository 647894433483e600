// What the timer window asks of the window system beyond Qt's own window flags: staying out of
// the taskbar, letting mouse input through, true transparency where a compositor draws the
// desktop, the frame the window manager put around it, and getting requests out at once. One
// implementation serves X11; elsewhere Qt's portable calls do the work.
#pragma once

#include "WindowGeometry.h"

#include <Qt>

#include <functional>
#include <optional>

class QColor;
class QObject;
class QRegion;
class QWidget;

namespace tavrio {

class WindowEffects {
public:
    virtual ~WindowEffects() = default;

    // Keeps a top-level window out of the taskbar and the pager, mapped or not.
    virtual void keepOutOfTaskbar(QWidget& window) = 0;

    // Lets every mouse event pass through to the windows below, or gives the window its input
    // back. A request made before the window is on screen takes effect when it is.
    virtual void setTransparentForInput(QWidget& window, bool transparent) = 0;

    // Keeps a tool window (Qt::Tool) stacked above `owner` while both are shown, as window
    // managers keep a dialog above the window it belongs to: above the timer window, which is
    // kept above every other program's windows, whatever the user clicks. On X11, unlike an
    // owner in Qt's sense, `owner` goes on taking input while a modal dialog of `window` is open.
    // Set after every show (Qt ties a tool window to the program's group as it shows it), and
    // again whenever `owner` is made anew, also before it is on screen; none lets the window
    // stand alone.
    virtual void keepAbove(QWidget& window, const QWidget* owner) = 0;

    // The window, not shown yet, comes on screen without taking the keyboard from the window
    // that has it (a timer window made anew under the settings window); once there, it takes the
    // keyboard as any window does (a click, the window manager's switcher, activate()).
    virtual void arriveWithoutActivation(QWidget& window) = 0;

    // Gives a window that is not created yet an alpha channel, where the window system can use one
    // later: a compositing manager may start at any time, and the channel cannot be added to a
    // window that exists.
    virtual void offerAlphaChannel(QWidget& window) = 0;

    // Whether what the window leaves transparent shows what lies below it: a compositing manager
    // draws the desktop, and the window has an alpha channel.
    virtual bool blendsWithDesktop(const QWidget& window) const = 0;

    // Calls `changed` from the event loop whenever a compositing manager starts or stops, for as
    // long as `owner` lives. Where that cannot be known, it never calls.
    virtual void watchCompositing(QObject& owner, std::function<void()> changed) = 0;

    // Leaves every pixel of exactly the key colour out of the window as the window system draws
    // it, to the eye and to the mouse; none shows the window whole again. False where the window
    // system has no colour keys (the caller then cuts the window to a shape itself).
    virtual bool setColourKey(QWidget& window, const std::optional<QColor>& key) = 0;

    // Cuts the window to the region, in device pixels, to the eye and to the mouse; none gives the
    // window its whole rectangle back.
    virtual void setShape(QWidget& window, const std::optional<QRegion>& region) = 0;

    // Where the window takes mouse input, in device pixels (clicks elsewhere reach the window
    // below, and the frame takes them as ever); none is the whole window. Set it again when the
    // window's size changes. While the window lets all input through (setTransparentForInput)
    // that wins, and the region comes back with the input.
    virtual void setInputRegion(QWidget& window, const std::optional<QRegion>& region) = 0;

    // The frame the window manager has put around a shown window, as it says, in device pixels
    // (Qt's logical ones times the device pixel ratio); none while the window is not framed yet,
    // and none where no window manager frames it. (Qt's own frame geometry is unreliable while
    // X11 reparents, and rounded to logical pixels.)
    virtual std::optional<FrameExtents> frameExtents(const QWidget& window) const = 0;

    // Calls `changed` from the event loop whenever the window manager announces the window's
    // frame anew, for as long as the window lives. Where the frame is known as soon as the window
    // is shown, it never calls.
    virtual void watchFrame(QWidget& window, std::function<void()> changed) = 0;

    // Makes a shown window the active one, also when the request does not come from a user's
    // input to the program (a request from a second start) or comes as another of the program's
    // windows goes: where the window manager weighs the time of a request against the user's
    // last input elsewhere, the request carries the present time.
    virtual void activate(QWidget& window) = 0;

    // Sends the requests made so far to the window system now rather than with the next event:
    // property changes made from a timer would otherwise wait.
    virtual void flush() = 0;

    // The implementation for the platform the application runs on.
    static WindowEffects& current();
};

} // namespace tavrio
