// The timer window: a small window kept above all others whose only content is the label that
// shows the time left, and whose caption names the awaited event. Its first activation reads
// every stored setting and applies it; every activation and every second refreshes the display.
#pragma once

#include "DisplayLabel.h"
#include "SettingKeys.h"
#include "SpokenCountdown.h"
#include "TimerWindowPlacement.h"

#include <QIcon>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <string>

namespace tavrio {

struct Program;
struct StoredLook;

class frmMain : public QWidget {
    Q_OBJECT

public:
    // Tavrio's icon in the sizes it comes in: the windows', and the tray's.
    static QIcon programIcon();

    explicit frmMain(Program& program);

    DisplayLabel* const Label1;
    // Fires just after each second of the wall clock; re-armed from the clock on every tick.
    QTimer Timer1;

    // Shows the window as a form is shown: the activation runs first, and on the first one the
    // topmost placement shows the window.
    void showForm();

    void Form_Activate();
    void Form_Resize();
    void Timer1_Timer();
    // Before the window unloads, whatever the cause: stores its place if the user moved it and,
    // unless the window is only being re-created, ends the program.
    void Form_QueryUnload();

    // A press on the client area or on the label: the left button drags the window, the right
    // one opens the pop-up menu at the pointer, the others do nothing.
    void Form_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void Label1_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    // A double-click opens the settings window, or brings it to the front.
    void Form_DblClick();
    void Label1_DblClick();

    // The keyboard's way to the same, with the focus on the window: the Menu key or Shift+F10
    // opens the pop-up menu at the window, Return opens the settings window, and the arrow keys
    // move the window by a pixel (ten with Shift), a move of the user's as a drag is. False for
    // the keys it leaves alone.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);

    int borderStyle() const { return borderStyle_; }
    // Refuses styles outside 0 to 5.
    bool setBorderStyle(int style);

    // The window's outer geometry (frame included) in twips, as it would be stored.
    TwipsRect outerGeometryTwips() const;
    // The window with its frame, in logical pixels: what the windows it opens keep clear of.
    QRect outerGeometry() const;
    // The window manager has framed the window and the window has been placed in its frame.
    bool placementSettled() const { return placement_.settled(); }

    // Puts the whole window, frame included, on a screen: at the place the user chose when that
    // lies on a screen, else on the nearest one. After a monitor was removed or a resolution
    // lowered, and when the user asks for the window back.
    void keepOnScreen();

    // Every way out (closing, Exit, the end of the session) keeps the place: Left and Top are
    // stored when the user moved the window since it was placed, and only then.
    void storePlaceIfMoved();

signals:
    // After each refresh of the display, with the text shown.
    void displayed(const QString& text);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadSettings();
    // Places the window where the store has it; on a first start at a size that shows its text.
    void restorePlace(const StoredLook& look);
    // The client size that shows the whole text, for a first start: shrinks the shown text only
    // when even the screen is too small for it.
    QSize fitToText(const std::optional<FrameExtents>& frame);
    void watchScreens();
    // The window manager may have framed the window: placed again in the frame.
    void noticeFrame();
    void keepSizeFixedIfStyled();
    void placeTopmost();
    void centreLabel();
    // The countdown's accessible name, the words for the digits, as often as they may change.
    void speak(const Countdown& countdown, std::int64_t now);
    void armTimer();

    Program& program_;
    int borderStyle_ = 5;
    TimerWindowPlacement placement_;
    // The store holds no font size and no window size: the window is sized to show its text.
    bool firstStart_ = false;
    // Where the pointer holds the window while the left button drags it, from the frame's corner.
    std::optional<QPoint> dragOffset_;
    std::optional<SpokenMoment> spoken_;
};

} // namespace tavrio
