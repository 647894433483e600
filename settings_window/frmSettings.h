// The settings window: the one place where the user changes what the timer window shows and how
// it looks. Each control applies its change to the timer window at once; the target date, time
// and opacity are stored when the window closes, everything else as it changes.
#pragma once

#include "MonthCalendar.h"
#include "ScrollSlider.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tavrio {

struct Program;
class DonationPicture;

class frmSettings : public QWidget {
    Q_OBJECT

public:
    // Loading the window fills its controls (Form_Load).
    explicit frmSettings(Program& program);

    QLineEdit* const txtWhat;
    QLineEdit* const txtDate;
    QLineEdit* const txtTime;
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
    // The three settings stored only when the window closes, or when the program ends while it is
    // open.
    void storeTargetAndOpacity();

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

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void connectHandlers();

    Program& program_;
};

} // namespace tavrio
