// The timer window: a small window kept above all others whose only content is the label that
// shows the time left, and whose caption names the awaited event. Its first activation reads
// every stored setting and applies it; every activation and every second refreshes the display.
// The other windows ask it for what they need through the methods below; its controls and their
// handlers are its own.
#pragma once

#include "FontSpec.h"
#include "TimerWindowInput.h"
#include "TimerWindowPlacement.h"

#include <QWidget>

#include <cstdint>
#include <vector>

namespace tavrio {

struct CountdownState;
struct Program;
struct StoredLook;
class DisplayLabel;

class frmMain : public QWidget {
    Q_OBJECT

public:
    // The timer window of the countdown.
    frmMain(Program& program, CountdownState& countdown);

    // Shows the window as a form is shown: the activation runs first, and on the first one the
    // topmost placement shows the window.
    void showForm();
    // The display shows the time left now; the forms engine's tick asks for it every second.
    void refreshNow();
    // The caption for the title the user typed: "Tavrio To " and the title.
    void setTitle(const QString& title);
    // The window's translucency and background hiding, as ApplyWindowAlpha sets them.
    void showTranslucency(std::uint8_t opacity, bool hideBackground);
    // The label's font as the font dialog starts from it, and the label's font from the dialog's
    // answer: a value the label refuses leaves its own.
    FontSpec labelFont() const;
    void showFont(const FontSpec& font);

    // Makes the window, when it is shown, the active one.
    void activate();
    // Recovery for a window made invisible, click-through, minimised or lost off-screen: fully
    // opaque in memory (nothing is stored), restored, wholly on a screen, in front and active.
    void bringBack();
    // Every way out (closing, Exit, the end of the session) keeps the place: Left and Top are
    // stored when the user moved the window since it was placed, and only then.
    void storePlaceIfMoved() { placement_.storePlaceIfMoved(); }
    // The program ends: the place is kept, the display stops and the window leaves the screen
    // without running its closing steps.
    void hideAtEnd();

    int borderStyle() const { return borderStyle_; }
    // The window's outer geometry (frame included) in twips, as it would be stored.
    TwipsRect outerGeometryTwips() const { return placement_.outerTwips(); }
    // The window with its frame, in logical pixels: what the windows it opens keep clear of.
    QRect outerGeometry() const;
    // The window manager has framed the window and the window has been placed in its frame.
    bool placementSettled() const { return placement_.settled(); }
    // A new countdown's window: beside the window of the countdown it was made from (`source`,
    // with its frame), clear of the corners of the others, as if the user had put it there.
    void placeBeside(const QRect& source, const std::vector<QRect>& others);

signals:
    // After each refresh of the display, with the text shown.
    void displayed(const QString& text);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Activate();
    void Form_Resize();
    void Timer1_Timer();
    // Before the window unloads, whatever the cause: stores its place if the user moved it and,
    // unless the window is only being re-created, ends the program.
    void Form_QueryUnload();
    void Form_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void Label1_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void Form_DblClick();
    void Label1_DblClick();

    void loadSettings();
    // Places the window where the store has it; on a first start at a size that shows its text.
    void restorePlace(const StoredLook& look);
    // Refuses styles outside the key's range.
    bool setBorderStyle(int style);
    void placeTopmost();

    Program& program_;
    CountdownState& countdown_;
    DisplayLabel* const Label1;
    TimerWindowPlacement placement_;
    TimerWindowInput input_;
    int borderStyle_ = 5;
};

} // namespace tavrio
