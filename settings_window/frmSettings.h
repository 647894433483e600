// The settings window: the one place where the user changes what the timer window shows and how
// it looks. Each control applies its change to the timer window at once; the target date, time
// and opacity are stored when the window closes, and only those the user changed here, everything
// else as it changes. The other windows ask it for what they need through the methods below; its
// controls and their handlers are its own.
#pragma once

#include "SettingsWindowKeyboard.h"
#include "TargetEntry.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

namespace tavrio {

struct CountdownState;
struct Program;
class BorderStyleList;
class DonationPicture;
class EntryBox;
class MonthCalendar;
class ScrollSlider;

class frmSettings : public QWidget {
    Q_OBJECT

public:
    // The settings window of the countdown, which it edits. Loading the window fills its
    // controls (Form_Load).
    frmSettings(Program& program, CountdownState& countdown);

    // The hidden menu as the timer window's pop-up menu, at the position given; it returns when
    // the menu has closed and the chosen item's handler has run. Opened from the keyboard, its
    // first entry is active, so that Return alone chooses it.
    void showPopupMenu(QPoint globalPosition, bool fromKeyboard);
    // The opacity the program put in force (the tray made the timer window opaque), shown on the
    // slider: no change of the user's.
    void showOpacity(std::uint8_t opacity);
    // The target date the program put in force (a repeating target moved on), shown in the date
    // box and the calendar: no change of the user's.
    void showTargetDate();
    // The target date, the target time and the opacity are stored only when the window closes,
    // when the program ends while it is open, or before the timer window is made anew, and only
    // those the user changed in this window (by typing, a pick in the calendar, a move of the
    // slider): what the window was filled with is not written back, so a stored value the user
    // did not change stays as it is, also one that could not be read. A window only loaded
    // hidden, for its menu, has nothing to store.
    void storeChangedTargetAndOpacity();
    // The countdown's target (and the title, when given), put in force and stored elsewhere (by
    // the command line), shown as if they had been stored when the window opened: no change of
    // the user's to store.
    void showTargetSetElsewhere(const std::optional<QString>& title);
    // Whether the caption names the countdown the window edits: while there are several.
    void nameCountdownInCaption(bool name);
    // The window active with the focus in the title box, where a new countdown begins.
    void beginWithTheTitle();
    // The program ends: what the user changed here is stored, and the window leaves the screen
    // without running its closing steps.
    void hideAtEnd();

    // The size that shows every control; the window is made smaller where the screen leaves less
    // room.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void mnuSettings_Click();
    void mnuNew_Click();
    void mnuRemove_Click();
    void mnuExit_Click();
    void Calendar1_AfterUpdate();
    void txtDate_Change();
    void txtTime_Change();
    void txtWhat_Change();
    void Combo1_Click();
    void chkHide_Click();
    void sldTrans_Scroll();
    // Lets the user choose the timer window's font and colour, applies the choice and stores it.
    void cmdFont_Click();
    // Opens the donation page in the default web browser.
    void Picture1_Click();
    // What happens when the time comes: each choice the user makes is stored at once.
    void chkSound_Click();
    void cboAfter_Click();
    void cboRepeat_Click();
    // The list's pick as the countdown's choice, stored unless it is the one in force.
    template <class Choice>
    void storePick(const QComboBox& list, Choice& inForce, Key key);
    // A title in the box and the caption, not stored again.
    void fillTitle(const QString& title);

    void scrollPage();
    void connectHandlers();
    // A new target shows on the timer window at once, not at its next second.
    void showTargetOnTimerWindow();
    void showCaption();

    Program& program_;
    CountdownState& countdown_;
    // The controls lie on a page that scrolls where the screen leaves the window less room than
    // its design (a small screen at a scale of 2).
    QWidget* const page_;
    // The page's own size, which shows every control.
    const QSize fullSize_;
    QScrollArea* const scroller_;
    QLineEdit* const txtWhat;
    EntryBox* const txtDate;
    EntryBox* const txtTime;
    MonthCalendar* const Calendar1;
    ScrollSlider* const sldTrans;
    BorderStyleList* const Combo1;
    QCheckBox* const chkHide;
    QPushButton* const cmdFont;
    DonationPicture* const Picture1;
    QCheckBox* const chkSound;
    QComboBox* const cboAfter;
    QComboBox* const cboRepeat;
    // The hidden menu, which the timer window shows as its pop-up menu.
    QMenu* const mnuFile;
    QAction* const mnuSettings;
    QAction* const mnuNew;
    QAction* const mnuRemove;
    QAction* const mnuExit;

    SettingsWindowKeyboard keyboard_;
    TargetEntry date_;
    TargetEntry time_;
    bool opacityChanged_ = false;
    // "Tavrio Settings" and the version.
    QString caption_;
    bool namesCountdown_ = false;
    // The load puts the stored title into the title box.
    bool fillingTitle_ = false;
};

} // namespace tavrio
