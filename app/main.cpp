// Tavrio: one translucent, always-on-top window counting down to a date and time.
#include "CommandLine.h"
#include "DesktopNotifications.h"
#include "FormsEngine.h"
#include "LocalClock.h"
#include "PrintCommand.h"
#include "Program.h"
#include "ProgramIcon.h"
#include "ProgramLanguage.h"
#include "QSettingsStore.h"
#include "RegionalSettingsFromLocale.h"
#include "SessionAutostart.h"
#include "ShowFontDialog.h"
#include "SingleInstance.h"
#include "StopSignals.h"
#include "TimeComesNotifier.h"
#include "TrayIcon.h"
#include "UrlOpener.h"
#include "Version.h"
#include "WriteBehindStore.h"
#include "frmMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSessionManager>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using namespace tavrio;

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

// The display the windows will show on, which the one running Tavrio is per.
QString displayName(const CommandLine& commandLine) {
    if (!commandLine.display.isEmpty()) {
        return commandLine.display;
    }
    if (qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QStringLiteral("wayland")) ||
        qEnvironmentVariableIsEmpty("DISPLAY")) {
        return qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    }
    return qEnvironmentVariable("DISPLAY");
}

// What a later start asks of this one: the timer window back, as the tray's "Show Timer
// Window" brings it, or the settings window opened and made active.
void takeRequests(SingleInstance& instance, FormsEngine& forms) {
    const bool listening = instance.listen([&forms](SingleInstance::Request request) {
        if (request == SingleInstance::Request::OpenSettings) {
            forms.showSettingsWindow();
        } else {
            forms.bringBackTimerWindow();
        }
    });
    if (!listening) {
        std::fprintf(stderr, "tavrio: cannot listen on %s: a later start will not reach this one\n",
                     qPrintable(instance.endpoint()));
    }
}

void nameTheApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Tavrio"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavrio"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
}

// Every way out of the windows ends here, after the event loop: the settings still on their way
// to the disk are written first, and failures reported. False when the disk did not answer in
// time; what could not be saved is then named on standard error.
bool finishSettingsWrites(SettingsWriter& writer) {
    const std::vector<Key> waiting = writer.finishWrites();
    if (waiting.empty()) {
        return true;
    }
    std::fprintf(stderr, "tavrio: %s\n",
                 unfinishedWritesMessage(waiting, SettingsWriter::kFinishLimit).c_str());
    return false;
}

// While the event loop runs: what keepPlaceWhenTheDisplayIsGone() needs.
FormsEngine* runningForms = nullptr;
SettingsWriter* runningWriter = nullptr;
bool displayGone = false;

// Qt's X11 platform calls exit() itself when its connection to the display breaks, as when a
// desktop session ends by closing the display: exec() never returns then, no window's closing
// runs, and this is the program's last chance to keep the place the user dragged the timer
// window to. It must not touch the display, which is gone: the place comes from what Qt and the
// placement already hold.
void keepPlaceWhenTheDisplayIsGone() {
    if (runningForms == nullptr) {
        return;
    }
    displayGone = true;
    runningForms->storePlaceIfMoved();
    if (!finishSettingsWrites(*runningWriter)) {
        // The worker still holds the disk: the static objects it uses must not be torn down.
        std::fflush(nullptr);
        std::_Exit(1);
    }
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// `writesUnfinished` is set when the program must end without waiting for the disk (see main).
int runWindows(int argc, char* argv[], const CommandLine& commandLine, SingleInstance& instance,
               bool& writesUnfinished) {
    avoidSharedMemoryRoundTrips();

    std::vector<char*> qtArguments = withoutCaptionOptions(argc, argv);
    int qtArgumentCount = static_cast<int>(qtArguments.size()) - 1;
    QApplication application(qtArgumentCount, qtArguments.data());
    nameTheApplication();
    const ProgramLanguage language;
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    QApplication::setWindowIcon(programIcon());
    // The program ends when the timer window is closed, not when its last window goes away
    // (the timer window is re-created for a new border style).
    QApplication::setQuitOnLastWindowClosed(false);

    // The windows never wait for the disk: one worker thread writes their settings, in order.
    auto disk = std::make_unique<QSettingsStore>();
    auto store = std::make_unique<WriteBehindStore>(*disk);
    Program program{
        *store,
        // A setting that cannot be saved is reported, and the program goes on with it in memory.
        SettingsWriter(*store,
                       [](const std::string& message) {
                           if (displayGone) {
                               std::fprintf(stderr, "tavrio: %s\n", message.c_str());
                               return;
                           }
                           QMessageBox::warning(nullptr, QStringLiteral("Tavrio"),
                                                QString::fromStdString(message));
                       }),
        regionalSettingsFrom(QLocale::system()), localNow};
    FormsEngine forms(program, [] { QCoreApplication::exit(0); });
    program.forms = &forms;
    program.chooseFont = [&forms](QWidget& owner, const FontSpec& spec) {
        const frmMain* timer = forms.timerWindow();
        return ShowFontDialog(owner, spec,
                              timer ? std::optional{timer->outerGeometry()} : std::nullopt);
    };
    program.openAddress = openAddress;

    TimeComesNotifier notifier(program, [](const QString& summary, const QString& body) {
        sendDesktopNotification(QString::fromLatin1(kAppId), summary, body);
    });
    SessionAutostart autostart(QString::fromLatin1(kAppId),
                               QCoreApplication::applicationFilePath());
    // Made whether or not the desktop has a tray now: Qt docks the icon when a tray appears
    // later, as one does when Tavrio starts with the session before the panel.
    TrayIcon tray(forms, notifier, autostart);
    tray.show();
    forms.setDisplayListener([&](frmMain& window, const QString& text) {
        notifier.check();
        tray.setDisplay(window.windowTitle(), text);
    });

    // Every way out ends through endProgram() and the return from exec(); the session manager
    // asks to save first, and then closes the windows (which stores the place as closing does).
    const StopSignals stopSignals([&forms] { forms.endProgram(); });
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &forms,
                     [&forms, &program](QSessionManager&) {
                         forms.storePlaceIfMoved();
                         // The session may end the program as soon as this returns.
                         static_cast<void>(finishSettingsWrites(program.writer));
                     });

    forms.showAtStart(commandLine.openSettings);
    takeRequests(instance, forms);
    runningForms = &forms;
    runningWriter = &program.writer;
    // Registered after the first reads and writes have set up what the store relies on, so that
    // it runs before those are torn down.
    std::atexit(keepPlaceWhenTheDisplayIsGone);
    const int status = QApplication::exec();
    instance.stopListening();
    runningForms = nullptr;
    runningWriter = nullptr;
    if (!finishSettingsWrites(program.writer)) {
        // The worker is caught in a disk call that nothing can cut short, and ending the store
        // would wait for it: both stores stay to it, and the rest ends as usual (the windows
        // leave the screen with the connection to the display).
        writesUnfinished = true;
        static_cast<void>(store.release());
        static_cast<void>(disk.release());
    }
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLine commandLine = parseCommandLine(arguments);
    switch (commandLine.action) {
    case CommandLine::Action::Version:
        // For scripts as much as for people: never translated.
        std::printf("%s\n", qPrintable(commandLine.output));
        return 0;
    case CommandLine::Action::Help:
    case CommandLine::Action::Fail: {
        // The texts are worded again with the translations in place, which need an application;
        // given the program's name alone, its usage line names it without the folder.
        QByteArray name = arguments.isEmpty()
                              ? QByteArray("tavrio")
                              : QFile::encodeName(QFileInfo(arguments.constFirst()).fileName());
        char* nameOnly[] = {name.data(), nullptr};
        int count = 1;
        QCoreApplication application(count, nameOnly);
        const ProgramLanguage language;
        const CommandLine worded = parseCommandLine(arguments);
        if (worded.action == CommandLine::Action::Help) {
            std::printf("%s\n", qPrintable(worded.output));
        } else {
            std::fprintf(stderr, "tavrio: %s\n", qPrintable(worded.output));
        }
        return worded.exitCode;
    }
    case CommandLine::Action::Print: {
        QCoreApplication application(argc, argv);
        nameTheApplication();
        const ProgramLanguage language;
        return runPrintCommand(commandLine.watch);
    }
    case CommandLine::Action::Run:
        break;
    }
    preferX11OnWayland();
    // One Tavrio per user and display: a later start hands its request to the one running.
    SingleInstance instance(SingleInstance::endpointFor(displayName(commandLine)));
    const auto request = commandLine.openSettings ? SingleInstance::Request::OpenSettings
                                                  : SingleInstance::Request::ShowTimerWindow;
    // Long enough for a first start on a busy machine to reach its event loop.
    switch (instance.start(request, std::chrono::seconds(15))) {
    case SingleInstance::Start::First:
        break;
    case SingleInstance::Start::Handed:
        return 0;
    case SingleInstance::Start::Unanswered:
        std::fprintf(stderr, "tavrio: Tavrio runs on this display already, but does not answer\n");
        return 1;
    }
    bool writesUnfinished = false;
    const int status = runWindows(argc, argv, commandLine, instance, writesUnfinished);
    if (writesUnfinished) {
        // Without the destructors of static objects, which the stuck worker may still use.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
