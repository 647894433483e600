#include "StopSignals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tavrio {

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};
// The handler's end and the event loop's end of a socket pair.
int signalSockets[2] = {-1, -1};

extern "C" void onStopSignal(int) {
    const char byte = 1;
    // All a handler may do: the event loop reads the byte.
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

StopSignals::StopSignals(std::function<void()> stop)
    : stop_(std::move(stop)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        return;
    }
    ::fcntl(signalSockets[0], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        [[maybe_unused]] const auto read = ::read(signalSockets[1], bytes, sizeof bytes);
        stop_();
    });
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

StopSignals::~StopSignals() {
    for (const int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    delete notifier_;
    for (int& socket : signalSockets) {
        if (socket >= 0) {
            ::close(socket);
            socket = -1;
        }
    }
}

} // namespace tavrio
