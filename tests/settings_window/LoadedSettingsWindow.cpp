#include "LoadedSettingsWindow.h"

#include "Control.h"

#include <QCoreApplication>
#include <QTest>

namespace tavrio::test {

SettingsControls::SettingsControls(const frmSettings& window)
    : txtWhat(control<QLineEdit>(window, "txtWhat"))
    , txtDate(control<EntryBox>(window, "txtDate"))
    , txtTime(control<EntryBox>(window, "txtTime"))
    , Calendar1(control<MonthCalendar>(window, "Calendar1"))
    , sldTrans(control<ScrollSlider>(window, "sldTrans"))
    , Combo1(control<BorderStyleList>(window, "Combo1"))
    , chkHide(control<QCheckBox>(window, "chkHide"))
    , cmdFont(control<QPushButton>(window, "cmdFont"))
    , Picture1(control<DonationPicture>(window, "Picture1"))
    , mnuFile(control<QMenu>(window, "mnuFile"))
    , mnuSettings(control<QAction>(window, "mnuSettings"))
    , mnuNew(control<QAction>(window, "mnuNew"))
    , mnuExit(control<QAction>(window, "mnuExit")) {}

LoadedSettingsWindow::LoadedSettingsWindow(TestProgram& test)
    : LoadedSettingsWindow(new frmSettings(test.program, test.countdown)) {}

LoadedSettingsWindow::LoadedSettingsWindow(frmSettings* window)
    : SettingsControls(*window)
    , window_(window) {}

LoadedSettingsWindow::~LoadedSettingsWindow() {
    delete window_.data();
}

void LoadedSettingsWindow::show() {
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.data())) {
        qWarning("the settings window was not activated");
    }
}

void processPendingEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tavrio::test
