#include "Application.h"

#include "ConsoleText.h"
#include "DesktopNotifications.h"
#include "LocalClock.h"
#include "ProgramIcon.h"
#include "QSettingsStore.h"
#include "RegionalSettingsFromLocale.h"
#include "ShowFontDialog.h"
#include "SingleInstance.h"
#include "TargetArgument.h"
#include "TimeComesSound.h"
#include "UnreadableCountdowns.h"
#include "UrlOpener.h"
#include "Version.h"
#include "WriteBehindStore.h"
#include "frmMain.h"

#include <QMessageBox>
#include <QSessionManager>
#include <QTimer>

#include <chrono>
#include <cstdlib>

namespace tavrio {

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

// The Qt application as Tavrio's: named, with its icon, and not ended when its last window goes
// (the timer window is re-created for a new border style; the program ends when it is closed).
std::unique_ptr<QApplication> makeQtApplication(int& argc, char** argv) {
    // Shared-memory image transfers make each repaint wait for a reply from the X server, which
    // wakes the program more often than a once-a-second display needs.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    auto application = std::make_unique<QApplication>(argc, argv);
    Application::nameTheApplication();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    QApplication::setWindowIcon(programIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    return application;
}

// The running Tavrio's answer, printed by the later start, which ends with its status.
int printAnswer(const SingleInstance::Answer& answer) {
    if (answer.text.isEmpty()) {
        return answer.status;
    }
    if (answer.status == 0) {
        writeLine(ConsoleStream::Output, answer.text);
    } else {
        writeLine(ConsoleStream::Error, QStringLiteral("tavrio: ") + answer.text);
    }
    return answer.status;
}

} // namespace

Application* Application::running_ = nullptr;

int Application::run(int argc, char* argv[], const CommandLine& commandLine) {
    preferX11OnWayland();
    SingleInstance instance(SingleInstance::endpointFor(displayName(commandLine)));
    // Long enough for a first start on a busy machine to reach its event loop.
    switch (instance.start(requestArguments(commandLine), std::chrono::seconds(15))) {
    case SingleInstance::Start::First:
        break;
    case SingleInstance::Start::Handed:
        return printAnswer(instance.answer());
    case SingleInstance::Start::Unanswered:
        writeLine(
            ConsoleStream::Error,
            QStringLiteral("tavrio: Tavrio runs on this display already, but does not answer"));
        return 1;
    }
    std::unique_ptr<Application> application(new Application(argc, argv, commandLine, instance));
    const int status = application->exec();
    const bool diskStuck = application->diskStuck_;
    application.reset();
    if (diskStuck) {
        // Without the destructors of static objects, which the stuck worker may still use.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

int Application::endRunning(const CommandLine& commandLine) {
    SingleInstance instance(SingleInstance::endpointFor(displayName(commandLine)));
    // As long as a start waits: the running one may be starting still, or the disk be slow.
    constexpr std::chrono::seconds patience(15);
    switch (instance.start(requestArguments(commandLine), patience)) {
    case SingleInstance::Start::First:
        return 0;
    case SingleInstance::Start::Handed:
        if (instance.answer().status != 0) {
            // A Tavrio of a version without --exit.
            return printAnswer(instance.answer());
        }
        if (instance.awaitEnd(patience)) {
            return 0;
        }
        writeLine(ConsoleStream::Error, QStringLiteral("tavrio: the Tavrio on this display has "
                                                       "not ended within 15 seconds"));
        return 1;
    case SingleInstance::Start::Unanswered:
        break;
    }
    writeLine(ConsoleStream::Error,
              QStringLiteral("tavrio: Tavrio runs on this display, but does not answer"));
    return 1;
}

void Application::nameTheApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Tavrio"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavrio"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersionText));
}

Application::Application(int argc, char* argv[], const CommandLine& commandLine,
                         SingleInstance& instance)
    : commandLine_(commandLine)
    , instance_(instance)
    , qtArguments_(withoutCaptionOptions(argc, argv))
    , qtArgumentCount_(static_cast<int>(qtArguments_.size()) - 1)
    , qt_(makeQtApplication(qtArgumentCount_, qtArguments_.data()))
    , disk_(std::make_unique<QSettingsStore>())
    , store_(std::make_unique<WriteBehindStore>(*disk_))
    , program_{*store_,
               SettingsWriter(*store_, [this](const std::string& message) { report(message); }),
               regionalSettingsFrom(QLocale::system()), localNow}
    , forms_(program_, [] { QCoreApplication::exit(0); })
    , notifications_(QString::fromLatin1(kAppId))
    , notifier_(
          program_,
          [this](const std::string& group, const QString& summary, const QString& body) {
              notifyTimeComes(group, summary, body);
          },
          playTimeComesSound)
    , autostart_(QString::fromLatin1(kAppId), QCoreApplication::applicationFilePath())
    // Made whether or not the desktop has a tray now: Qt docks the icon when a tray appears
    // later, as one does when Tavrio starts with the session before the panel.
    , tray_(forms_, notifier_, autostart_)
    , stopSignals_([this] { forms_.endProgram(); }) {
    program_.forms = &forms_;
    program_.chooseFont = [](QWidget& owner, const FontSpec& spec,
                             std::optional<QRect> timerWindow) {
        return ShowFontDialog(owner, spec, timerWindow);
    };
    program_.openAddress = openAddress;
    tray_.show();
    QObject::connect(&forms_, &FormsEngine::displayed, &forms_,
                     [this](CountdownState& countdown) { notifier_.check(countdown); });
    QObject::connect(&forms_, &FormsEngine::countdownRemoved, &forms_,
                     [this](const std::string& group) { notifier_.forget(group); });
    connectTheWaysOut();
}

Application::~Application() = default;

// Every way out ends through endProgram() and the return from the event loop; the session manager
// asks to save first, and then closes the windows (which stores the place as closing does).
void Application::connectTheWaysOut() {
    QObject::connect(qt_.get(), &QGuiApplication::commitDataRequest, &forms_,
                     [this](QSessionManager&) {
                         forms_.storePlaceIfMoved();
                         // The session may end the program as soon as this returns.
                         static_cast<void>(finishWrites());
                     });
}

int Application::exec() {
    // The first countdown's target is stored before its window reads the store; a new countdown
    // comes beside the windows there are.
    const bool toFirst = commandLine_.target && !commandLine_.newCountdown;
    if (toFirst) {
        printAnswer(putTargetInForce(commandLine_));
    }
    forms_.showAtStart(commandLine_.openSettings);
    if (commandLine_.target && !toFirst) {
        printAnswer(putTargetInForce(commandLine_));
    }
    takeRequests();
    // Told once the event loop runs, so that a later start is answered meanwhile.
    QTimer::singleShot(0, &forms_, [this] {
        const QString unreadable =
            unreadableCountdownsMessage(program_.store, forms_.countdowns(), program_.regional);
        if (!unreadable.isEmpty()) {
            report(unreadable.toStdString());
        }
    });
    running_ = this;
    // Registered after the first reads and writes have set up what the store relies on, so that
    // it runs before those are torn down.
    std::atexit(keepPlaceWhenTheDisplayIsGone);
    const int status = QApplication::exec();
    instance_.stopListening();
    running_ = nullptr;
    if (!finishWrites()) {
        // Ending the store would wait for the stuck worker: both stores stay to it, and the rest
        // ends as usual (the windows leave the screen with the connection to the display).
        diskStuck_ = true;
        static_cast<void>(store_.release());
        static_cast<void>(disk_.release());
        return 1;
    }
    return program_.writer.allSaved() ? status : 1;
}

void Application::takeRequests() {
    const bool listening = instance_.listen([this](const QStringList& arguments) {
        return answerLaterStart(
            parseCommandLine(QStringList{QStringLiteral("tavrio")} + arguments));
    });
    if (!listening) {
        writeLine(
            ConsoleStream::Error,
            QStringLiteral("tavrio: cannot listen on %1: a later start will not reach this one")
                .arg(instance_.endpoint()));
    }
}

// Without the desktop's notification service (on Windows), the tray shows the notice. Where the
// service shows actions, the notification opens the countdown's settings window; the countdown is
// looked up when the user presses it, since it may be gone by then.
void Application::notifyTimeComes(const std::string& group, const QString& summary,
                                  const QString& body) {
    //: The button on the notification when the time comes: opens that countdown's settings window.
    const NotificationAction openSettings{
        QStringLiteral("settings"),
        QCoreApplication::translate("TimeComesNotifier", "Open Settings")};
    const bool sent =
        notifications_.send(summary, body, {openSettings}, [this, group](const QString& key) {
            CountdownState* countdown = forms_.countdownStoredIn(group);
            if (key == QStringLiteral("settings") && countdown != nullptr) {
                forms_.showSettingsWindow(*countdown);
            }
        });
    if (!sent) {
        tray_.showNotice(summary, body);
    }
}

SingleInstance::Answer Application::answerLaterStart(const CommandLine& request) {
    switch (request.action) {
    case CommandLine::Action::Run:
        if (request.target) {
            const SingleInstance::Answer answer = putTargetInForce(request);
            if (request.openSettings && answer.status == 0) {
                forms_.showSettingsWindow(forms_.firstCountdown());
            }
            return answer;
        }
        if (request.openSettings) {
            forms_.showSettingsWindow(forms_.firstCountdown());
        } else {
            forms_.bringBackTimerWindows();
        }
        return {};
    case CommandLine::Action::Fail:
        return {request.exitCode, request.output};
    case CommandLine::Action::EndRunning:
        // After the answer is on its way: the later start then waits for the claim to go.
        QTimer::singleShot(0, &forms_, [this] { forms_.endProgram(); });
        return {};
    case CommandLine::Action::Print:
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        break;
    }
    // A later start answers these itself: whatever handed them over is no Tavrio.
    return {2, QString()};
}

// On disk before the answer: a script's next tavrio --print counts to the new target.
SingleInstance::Answer Application::putTargetInForce(const CommandLine& request) {
    const auto stored = [this](bool put) {
        return program_.writer.finishWrites().empty() && put && program_.writer.allSaved();
    };
    if (request.newCountdown) {
        return answerTargetArgument(request, 0.0, [&](const TargetArgument& target) {
            return stored(
                forms_.newCountdownWithTarget(forms_.firstCountdown(), target, request.title));
        });
    }
    CountdownState& first = forms_.firstCountdown();
    return answerTargetArgument(request, first.TargetTime, [&](const TargetArgument& target) {
        return stored(forms_.putTargetInForce(first, target, request.title));
    });
}

void Application::report(const std::string& message) const {
    if (displayGone_) {
        writeLine(ConsoleStream::Error,
                  QStringLiteral("tavrio: ") + QString::fromStdString(message));
        return;
    }
    QMessageBox::warning(nullptr, QStringLiteral("Tavrio"), QString::fromStdString(message));
}

bool Application::finishWrites() {
    const std::vector<Key> waiting = program_.writer.finishWrites();
    if (waiting.empty()) {
        return true;
    }
    writeLine(ConsoleStream::Error,
              QStringLiteral("tavrio: ") + QString::fromStdString(unfinishedWritesMessage(
                                               waiting, SettingsWriter::kFinishLimit)));
    return false;
}

// Qt's X11 platform calls exit() itself when its connection to the display breaks, as when a
// desktop session ends by closing the display: the event loop never returns then, no window's
// closing runs, and this is the program's last chance to keep the place the user dragged the
// timer window to. It must not touch the display, which is gone: the place comes from what Qt and
// the placement already hold.
void Application::keepPlaceWhenTheDisplayIsGone() {
    if (running_ == nullptr) {
        return;
    }
    running_->displayGone_ = true;
    running_->forms_.storePlaceIfMoved();
    if (!running_->finishWrites()) {
        // The worker still holds the disk: the static objects it uses must not be torn down.
        std::fflush(nullptr);
        std::_Exit(1);
    }
}

} // namespace tavrio
