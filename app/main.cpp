// Tavrio: one translucent, always-on-top window counting down to a date and time.
#include "FormsEngine.h"
#include "LocalClock.h"
#include "Program.h"
#include "QSettingsStore.h"
#include "RegionalSettingsFromLocale.h"
#include "ShowFontDialog.h"
#include "UrlOpener.h"
#include "Version.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

namespace {

// Wayland lets no client keep itself above other windows or restore its own place, so where
// XWayland is at hand the program runs on it, unless the user chose a platform.
void preferX11OnWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

// Shared-memory image transfers make each repaint wait for a reply from the X server, which
// wakes the program more often than a once-a-second display needs.
void avoidSharedMemoryRoundTrips() {
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
}

} // namespace

int main(int argc, char* argv[]) {
    preferX11OnWayland();
    avoidSharedMemoryRoundTrips();

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tavrio"));
    QApplication::setApplicationName(QStringLiteral("Tavrio"));
    QApplication::setApplicationVersion(QString::fromLatin1(tavrio::kVersionText));
    // The program ends when the timer window is closed, not when its last window goes away
    // (the timer window is re-created for a new border style).
    QApplication::setQuitOnLastWindowClosed(false);

    tavrio::QSettingsStore store;
    // A setting that cannot be saved is reported, and the program goes on with it in memory.
    tavrio::SettingsWriter writer(store, [](const std::string& message) {
        QMessageBox::warning(nullptr, QStringLiteral("Tavrio"), QString::fromStdString(message));
    });
    tavrio::Program program{store, std::move(writer),
                            tavrio::regionalSettingsFrom(QLocale::system()), tavrio::localNow};
    tavrio::FormsEngine forms(program, [] { QCoreApplication::exit(0); });
    program.forms = &forms;
    program.chooseFont = tavrio::ShowFontDialog;
    program.openAddress = tavrio::openAddress;

    forms.showTimerWindow();
    return QApplication::exec();
}
