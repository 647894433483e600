// Tavrio with its windows: the Qt application and everything that lives as long as it does, the
// settings file and the worker that writes it, the context the windows share, the forms, the tray,
// and the ways out (Exit, a signal, the session ending, the display going away). One per process.
#pragma once

#include "CommandLine.h"
#include "DesktopNotifications.h"
#include "FormsEngine.h"
#include "Program.h"
#include "ProgramLanguage.h"
#include "SessionAutostart.h"
#include "SingleInstance.h"
#include "StopSignals.h"
#include "TimeComesNotifier.h"
#include "TrayIcon.h"

#include <QApplication>

#include <memory>
#include <string>
#include <vector>

namespace tavrio {

class QSettingsStore;
class WriteBehindStore;

class Application {
public:
    // One Tavrio per user and display: a later start hands what its command line asks for
    // (requestArguments, with the target already read) to the one running, prints its answer and
    // ends with its status; the first runs the windows until the program ends. The exit status is
    // 1 when a setting could not be saved by then (the disk did not answer in time, or a write
    // failed and was not made good).
    static int run(int argc, char* argv[], const CommandLine& commandLine);

    // --exit: hands the command line to the Tavrio that runs on the display, which ends as its
    // Exit does, and waits until it has (0), or for 15 seconds at most (1). None running is
    // success too.
    static int endRunning(const CommandLine& commandLine);

    // The names Qt gives the program, as every way of running it has them.
    static void nameTheApplication();

    ~Application();

private:
    Application(int argc, char* argv[], const CommandLine& commandLine, SingleInstance& instance);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    int exec();
    void connectTheWaysOut();
    // What a later start asks of this one: the timer window back, as the tray's "Show Timer
    // Window" brings it, or the settings window opened and made active.
    void takeRequests();
    // The desktop told that a countdown's time has come.
    void notifyTimeComes(const std::string& group, const QString& summary, const QString& body);
    // A later start's command line, acted on and answered.
    SingleInstance::Answer answerLaterStart(const CommandLine& request);
    // The target (and title) of --target put in force and stored, for the first countdown or,
    // with --new, a new one; answered with the moment.
    SingleInstance::Answer putTargetInForce(const CommandLine& request);
    // A setting that cannot be saved is told, and the program goes on with it in memory.
    void report(const std::string& message) const;
    // Waits for the settings still on their way to the disk. False when the disk did not answer
    // in time; what could not be saved is then named on standard error.
    bool finishWrites();
    static void keepPlaceWhenTheDisplayIsGone();

    const CommandLine commandLine_;
    SingleInstance& instance_;
    std::vector<char*> qtArguments_;
    int qtArgumentCount_;
    const std::unique_ptr<QApplication> qt_;
    const ProgramLanguage language_;
    // The windows never wait for the disk: one worker thread writes their settings, in order.
    std::unique_ptr<QSettingsStore> disk_;
    std::unique_ptr<WriteBehindStore> store_;
    Program program_;
    FormsEngine forms_;
    DesktopNotifications notifications_;
    TimeComesNotifier notifier_;
    SessionAutostart autostart_;
    TrayIcon tray_;
    StopSignals stopSignals_;
    bool displayGone_ = false;
    // The worker is caught in a disk call that nothing can cut short.
    bool diskStuck_ = false;

    // While the event loop runs.
    static Application* running_;
};

} // namespace tavrio
