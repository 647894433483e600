// The timer window: a small window kept above all others whose only content is the label that
// shows the time left, and whose caption names the awaited event. Its first activation reads
// every stored setting and applies it; every activation and every second refreshes the display.
#pragma once

#include "DisplayLabel.h"

#include <QIcon>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace tavrio {

struct Program;

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
    // Before the window unloads, whatever the cause: stores its place and, unless it is only
    // being re-created, ends the program.
    void Form_QueryUnload();

    // A press on the client area or on the label: the left button drags the window, the right
    // one opens the pop-up menu at the pointer, the others do nothing.
    void Form_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void Label1_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    // A double-click opens the settings window, or brings it to the front.
    void Form_DblClick();
    void Label1_DblClick();

    int borderStyle() const { return borderStyle_; }
    // Refuses styles outside 0 to 5.
    bool setBorderStyle(int style);

    // The window's outer geometry (frame included) in twips.
    double leftTwips() const;
    double topTwips() const;
    double outerWidthTwips() const;
    double outerHeightTwips() const;

    // Moves the window onto the nearest screen when too little of it shows on any: a monitor
    // removed or a resolution lowered must not leave it out of reach.
    void keepOnScreen();

signals:
    // After each refresh of the display, with the text shown.
    void displayed(const QString& text);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadSettings();
    void restorePlace();
    void watchScreens();
    // keepOnScreen, telling whether the window was moved.
    bool bringOnScreen();
    // False when the size is refused and nothing changed.
    bool setOuterSize(int width, int height);
    void setClientSize(QSize client);
    // Once the frame is first known: re-applies a restored size and keeps the window reachable.
    void noticeFrame();
    // Where the frame's top-left corner goes for the window to be centred on the screen.
    QPoint centredFramePosition(const QMargins& frame) const;
    void keepSizeFixedIfStyled();
    void placeTopmost();
    void centreLabel();
    void armTimer();

    Program& program_;
    int borderStyle_ = 5;
    // The frame is known only once the window manager has framed the window, so an outer size
    // restored before that is applied again then; -1 marks a dimension that was not stored.
    std::optional<QSize> pendingOuterSize_;
    bool framed_ = false;
    // Still at the design place, centred on the screen: centred again once the frame is known.
    bool centredByDesign_ = true;
    // Where the frame's top-left corner was put before the frame was known.
    QPoint intendedPlace_;
    // The stored place was off every screen and the window was brought back before its frame
    // was known.
    bool broughtBack_ = false;
    // Where the pointer holds the window while the left button drags it, from the frame's corner.
    std::optional<QPoint> dragOffset_;
};

} // namespace tavrio
