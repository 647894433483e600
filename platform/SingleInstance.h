// One Tavrio per user and display. The first start holds a lock for as long as it runs and
// listens on a local socket beside it; a later start on the same display finds the lock taken
// and hands its request to the running one over the socket instead of starting a second timer
// window, tray icon and notifier on the same settings file.
//
// The lock is the operating system's own (released with the process, however it ends), so a
// Tavrio killed outright leaves nothing that could stop the next start; the socket it leaves is
// replaced by the next one to hold the lock. Two starts at the same moment meet at the lock:
// exactly one gets it.
#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace tavrio {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // What a later start asks of the running one.
    enum class Request { ShowTimerWindow, OpenSettings, End };
    // How a start ends: as the running one, after handing its request over, or without either
    // (another one holds the lock but does not answer).
    enum class Start { First, Handed, Unanswered };

    // The place of the socket for a display, per user: in $XDG_RUNTIME_DIR, or else in a folder
    // of the user's own in the temporary folder. The lock is beside it. `display` is the name
    // of the display the program shows its windows on (":0", "wayland-0"); the screen number
    // of an X display does not count (":0.1" is ":0").
    static QString endpointFor(const QString& display);

    explicit SingleInstance(QString endpoint);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock, or hands `request` to the one that holds it, trying for `patience` (the
    // running one may be starting still, or ending). Needs no application object.
    Start start(Request request, std::chrono::milliseconds patience);

    // After handing over `End`: waits until the running one has ended and let go of the lock,
    // which this one then holds. False when it still runs after `patience`.
    bool waitUntilEnded(std::chrono::milliseconds patience);

    // As the running one, once the application exists: takes the requests of later starts, and
    // runs `handle` on the event loop for each. False when the socket cannot be made (later
    // starts then wait in vain, and report it).
    bool listen(std::function<void(Request)> handle);
    // Takes no more requests, once the program is ending: a start meanwhile waits for the lock.
    void stopListening();

    QString endpoint() const { return endpoint_; }

private:
    bool tryLock();
    bool tryHand(Request request, std::chrono::milliseconds wait);
    void answer();

    QString endpoint_;
    // The lock: a file descriptor where the system locks files, else Qt's lock file.
    int lock_ = -1;
    std::unique_ptr<QLockFile> lockFile_;
    QLocalServer* server_ = nullptr;
    std::function<void(Request)> handle_;
};

} // namespace tavrio
