// Loading the settings window in a test as its first reference loads it, and owning it the way the
// forms engine does: closing it destroys it.
#pragma once

#include "BorderStyleList.h"
#include "DonationPicture.h"
#include "EntryBox.h"
#include "MonthCalendar.h"
#include "ScrollSlider.h"
#include "TestProgram.h"
#include "frmSettings.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPointer>
#include <QPushButton>

namespace tavrio::test {

// The settings window's controls, found by their design names.
struct SettingsControls {
    explicit SettingsControls(const frmSettings& window);

    QLineEdit* txtWhat;
    EntryBox* txtDate;
    EntryBox* txtTime;
    MonthCalendar* Calendar1;
    ScrollSlider* sldTrans;
    BorderStyleList* Combo1;
    QCheckBox* chkHide;
    QPushButton* cmdFont;
    DonationPicture* Picture1;
    QMenu* mnuFile;
    QAction* mnuSettings;
    QAction* mnuNew;
    QAction* mnuExit;
};

class LoadedSettingsWindow : public SettingsControls {
public:
    // Creates the window for the program, which runs its Form_Load, hidden.
    explicit LoadedSettingsWindow(TestProgram& test);
    // Destroys the window unless closing it has done so already.
    ~LoadedSettingsWindow();
    LoadedSettingsWindow(const LoadedSettingsWindow&) = delete;
    LoadedSettingsWindow& operator=(const LoadedSettingsWindow&) = delete;

    frmSettings* operator->() const { return window_; }
    frmSettings& operator*() const { return *window_; }
    // Null once a closed window has been destroyed.
    frmSettings* get() const { return window_; }

    // Shows it and waits until the platform has exposed and activated it.
    void show();

private:
    explicit LoadedSettingsWindow(frmSettings* window);

    QPointer<frmSettings> window_;
};

// Lets deferred deletions and other queued events run, as between two of the user's actions.
void processPendingEvents();

} // namespace tavrio::test
