// One Tavrio per user and display. The first start claims the display for as long as it runs and
// listens on a channel of the system's own; a later start on the same display finds the claim
// taken and hands its arguments to the running one instead of starting a second timer window,
// tray icon and notifier on the same settings file. The running one acts on them and answers with
// an exit status and a text for the later start to print.
//
// The claim is released by the operating system with the process, however it ends, so a Tavrio
// killed outright leaves nothing that could stop the next start. Two starts at the same moment
// meet at the claim: exactly one gets it.
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

namespace tavrio {

class SingleInstanceChannel;

class SingleInstance {
public:
    // How a start ends: as the running one, after handing its arguments over, or without either
    // (another one holds the claim but does not answer).
    enum class Start { First, Handed, Unanswered };
    // The running one's answer: the later start's exit status and what it prints (on standard
    // output with status 0, else on standard error), which may be nothing.
    struct Answer {
        int status = 0;
        QString text;
        bool operator==(const Answer&) const = default;
    };
    // Acts on a later start's arguments (its program's name left out) and answers at once: the
    // later start waits for it.
    using Handler = std::function<Answer(const QStringList& arguments)>;

    // The place of the channel for a display, per user: a socket in $XDG_RUNTIME_DIR (or in a
    // folder of the user's own in the temporary folder) with its lock beside it; on Windows a
    // pipe of the user's session. `display` is the name of the display the program shows its
    // windows on (":0", "wayland-0"); the screen number of an X display does not count (":0.1"
    // is ":0").
    static QString endpointFor(const QString& display);

    explicit SingleInstance(QString endpoint);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Claims the display, or hands `arguments` to the one that holds it and waits for its answer,
    // trying for `patience` (the running one may be starting still, or ending). Needs no
    // application object. A later start that comes meanwhile waits in the channel until
    // listen().
    Start start(const QStringList& arguments, std::chrono::milliseconds patience);
    // The running one's answer, once start() has handed the arguments over.
    const Answer& answer() const { return answer_; }
    // After handing over what ends the running one: waits until it has ended and given up the
    // claim, which this one then holds. False when it still runs after `patience`.
    bool awaitEnd(std::chrono::milliseconds patience);

    // As the running one, once the application exists: answers later starts, running `handle` on
    // the event loop for each. A request that is not a list of texts in UTF-8 within the size
    // limit is refused unanswered. False when the channel could not be made (later starts then
    // wait in vain, and report it).
    bool listen(Handler handle);
    // Takes no more requests, once the program is ending: a start meanwhile waits for the claim.
    void stopListening();

    QString endpoint() const { return endpoint_; }

private:
    QString endpoint_;
    std::unique_ptr<SingleInstanceChannel> channel_;
    Answer answer_;
};

} // namespace tavrio
