#include "LoadedSettingsWindow.h"

#include <QCoreApplication>
#include <QTest>

namespace tavrio::test {

LoadedSettingsWindow::LoadedSettingsWindow(TestProgram& test)
    : window_(new frmSettings(test.program)) {
    test.forms.settings = [this]() -> frmSettings& {
        return *window_;
    };
}

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
