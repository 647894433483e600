// The settings window: the one place where the user changes what the timer window shows and how
// it looks. Each control applies its change to the timer window at once; the target date, time
// and opacity are stored when the window closes, and only those the user changed here, everything
// else as it changes.
#pragma once

#include "DateValue.h"
#include "EntryBox.h"
#include "MonthCalendar.h"
#include "ScrollSlider.h"
#include "TypedEntry.h"

#include <QWidget>

#include <cstdint>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

namespace tavrio {

struct Program;
struct SharedValues;
class DonationPicture;

class frmSettings : public QWidget {
    Q_OBJECT

    // The controls lie on a page that scrolls where the screen leaves the window less room than
    // its design (a small screen at a scale of 2). Made first: the controls are made on the page.
    QWidget* const page_;
    QScrollArea* const scroller_;

public:
    // Loading the window fills its controls (Form_Load).
    explicit frmSettings(Program& program);

    QLineEdit* const txtWhat;
    EntryBox* const txtDate;
    EntryBox* const txtTime;
    MonthCalendar* const Calendar1;
    ScrollSlider* const sldTrans;
    QLabel* const Label1;
    QLabel* const Label2;
    QLabel* const Label3;
    QLabel* const Label4;
    QLabel* const Label5;
    QLabel* const Label6;
    QComboBox* const Combo1;
    QLabel* const Label9;
    QCheckBox* const chkHide;
    QPushButton* const cmdFont;
    DonationPicture* const Picture1;

    // The hidden menu, which the timer window shows as its pop-up menu.
    QMenu* const mnuFile;
    QAction* const mnuSettings;
    QAction* const mnuExit;

    void Form_Load();
    void Form_Unload();
    // The target date, the target time and the opacity are stored only when the window closes, or
    // when the program ends while it is open, and only those the user changed in this window (by
    // typing, a pick in the calendar, a move of the slider): what the window was filled with is
    // not written back, so a stored value the user did not change stays as it is, also one that
    // could not be read. A window only loaded hidden, for its menu, has nothing to store.
    void storeChangedTargetAndOpacity();

    // The hidden menu as the timer window's pop-up menu, at the position given; it returns when
    // the menu has closed and the chosen item's handler has run. Opened from the keyboard, its
    // first entry is active, so that Return alone chooses it.
    void showPopupMenu(QPoint globalPosition, bool fromKeyboard);
    // The opacity the program put in force (the tray made the timer window opaque), shown on the
    // slider: no change of the user's.
    void showOpacity(std::uint8_t opacity);
    // The program ends: what the user changed here is stored, and the window leaves the screen
    // without running its closing steps.
    void hideAtEnd();

    void mnuSettings_Click();
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

    // The design's size; the window is made smaller where the screen leaves less room.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window as its close button does.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void scrollPage();
    void fitTexts();
    void fitBorderStyleRow();
    void connectHandlers();
    // The box's text puts `value` in force as `entry` reads it; a text that does not read marks
    // the box.
    void takeText(EntryBox& box, TypedEntry& entry, DateValue& value);
    // The program's own text for a box: read like any other, but no change of the user's.
    void fill(EntryBox& box, TypedEntry& entry, DateValue& value, const std::string& text);
    // After the timer window was re-created from the store: the target and opacity the windows
    // held before stay in force.
    void keepInForce(const SharedValues& held);
    // Back to where the user was after another window took the activation (a re-created timer
    // window, the font dialog): this window active, with the focus on `control`.
    void returnTo(QWidget* control);

    Program& program_;
    TypedEntry date_;
    TypedEntry time_;
    bool opacityChanged_ = false;
    // The load puts the stored title into the title box.
    bool fillingTitle_ = false;
    // The timer window had the keyboard when this window was shown.
    bool openedFromTimer_ = false;
};

} // namespace tavrio
