// The claim is an flock() on "<endpoint>.lock"; the channel a Unix-domain stream socket at the
// endpoint, in a folder of the user's own. Only the claim's holder (re)makes the socket, so the
// socket file a killed Tavrio left is replaced without a race.
#include "SingleInstanceChannel.h"

#include "FileLock.h"
#include "InstanceMessage.h"

#include <QFile>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tavrio {

namespace {

// Connections open at once. Beyond them the oldest is closed: it is slow to write its request,
// which a Tavrio is not, and a Tavrio whose connection is closed tries again.
constexpr int kOpenConnections = 8;

std::optional<sockaddr_un> addressOf(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return address;
}

// Whether `events` came on `socket` before the deadline.
bool await(int socket, short events, SingleInstanceChannel::Deadline deadline) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd wanted{socket, events, 0};
        const int ready =
            ::poll(&wanted, 1, static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX)));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

bool sendAll(int socket, std::string_view bytes, SingleInstanceChannel::Deadline deadline) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (errno != EINTR && (errno != EAGAIN || !await(socket, POLLOUT, deadline))) {
            return false;
        }
    }
    return true;
}

// A peer of another user: the socket's folder is the user's alone, unless the temporary folder
// had to serve.
bool fromAnotherUser(int connection) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
           peer.uid != ::getuid();
}

// One later start's connection: its request is read as it comes, then answered at once.
class Connection : public QObject {
public:
    Connection(int socket, const SingleInstanceChannel::Answerer& answer, QObject* parent)
        : QObject(parent)
        , socket_(socket)
        , reading_(socket, QSocketNotifier::Read) {
        connect(&reading_, &QSocketNotifier::activated, this, [this, &answer] { read(answer); });
    }
    ~Connection() override { close(); }

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Ends the connection; safe also from within its own notification.
    void finish() {
        close();
        setParent(nullptr);
        deleteLater();
    }

private:
    void read(const SingleInstanceChannel::Answerer& answer);
    void close() {
        if (socket_ >= 0) {
            reading_.setEnabled(false);
            ::close(socket_);
            socket_ = -1;
        }
    }

    int socket_;
    QSocketNotifier reading_;
    std::string received_;
};

void Connection::read(const SingleInstanceChannel::Answerer& answer) {
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::recv(socket_, buffer, sizeof buffer, MSG_DONTWAIT)) > 0) {
        received_.append(buffer, static_cast<std::size_t>(got));
        if (received_.size() > kInstanceMessageLimit) {
            break;
        }
    }
    const bool more = got < 0 && (errno == EAGAIN || errno == EINTR);
    const ReceivedMessage message = readInstanceMessage(received_);
    if (message.state == ReceivedMessage::State::Incomplete && more) {
        return; // the rest is on its way
    }
    // Nothing more is read while the request is acted on.
    reading_.setEnabled(false);
    if (message.state == ReceivedMessage::State::Whole) {
        if (const auto answered = answer(message.texts)) {
            // Far below the socket's buffer: written whole at once, or the later start is gone.
            const std::optional<std::string> reply = instanceMessage(*answered);
            const auto now = std::chrono::steady_clock::now();
            static_cast<void>(reply && sendAll(socket_, *reply, now));
        }
    }
    finish();
}

} // namespace

struct SingleInstanceChannel::System {
    explicit System(const QString& endpoint)
        : path(QFile::encodeName(endpoint))
        , lock(FileLock::onFile(endpoint + QStringLiteral(".lock"))) {}

    QByteArray path;
    FileLock lock;
    bool claimed = false;
    int listener = -1;
    std::unique_ptr<QSocketNotifier> accepting;
    Answerer answer;
    // The open connections, oldest first.
    std::unique_ptr<QObject> connections;

    void makeSocket();
    void accept();
};

SingleInstanceChannel::SingleInstanceChannel(const QString& endpoint)
    : system_(std::make_unique<System>(endpoint)) {}

SingleInstanceChannel::~SingleInstanceChannel() {
    stopListening();
}

bool SingleInstanceChannel::claim() {
    if (!system_->claimed && system_->lock.take() == FileLock::Outcome::Taken) {
        system_->claimed = true;
        system_->makeSocket();
    }
    return system_->claimed;
}

// Made at once, so that a later start that comes before the event loop runs waits in the
// socket's queue rather than trying again and again.
void SingleInstanceChannel::System::makeSocket() {
    // What a Tavrio that was killed left behind; the claim says none listens there now.
    ::unlink(path.constData());
    const std::optional<sockaddr_un> address = addressOf(path);
    listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (!address || listener < 0 ||
        ::bind(listener, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 ||
        ::chmod(path.constData(), 0600) != 0 || ::listen(listener, kOpenConnections) != 0) {
        if (listener >= 0) {
            ::close(listener);
        }
        listener = -1;
    }
}

std::optional<SingleInstanceChannel::Texts> SingleInstanceChannel::ask(const Texts& request,
                                                                       Deadline deadline) {
    const std::optional<sockaddr_un> address = addressOf(system_->path);
    const std::optional<std::string> message = instanceMessage(request);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        return std::nullopt;
    }
    ReceivedMessage answer;
    // A full queue (EAGAIN) is tried again like a missing socket.
    if (address && message &&
        ::connect(socket, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
        sendAll(socket, *message, deadline)) {
        std::string received;
        char buffer[4096];
        while (answer.state == ReceivedMessage::State::Incomplete) {
            const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
            if (got > 0) {
                received.append(buffer, static_cast<std::size_t>(got));
                answer = readInstanceMessage(received);
            } else if (got == 0 ||
                       (errno != EINTR && (errno != EAGAIN || !await(socket, POLLIN, deadline)))) {
                break;
            }
        }
    }
    ::close(socket);
    if (answer.state != ReceivedMessage::State::Whole) {
        return std::nullopt;
    }
    return answer.texts;
}

bool SingleInstanceChannel::listen(Answerer answer) {
    if (system_->listener < 0) {
        return false;
    }
    system_->answer = std::move(answer);
    system_->connections = std::make_unique<QObject>();
    system_->accepting =
        std::make_unique<QSocketNotifier>(system_->listener, QSocketNotifier::Read);
    QObject::connect(system_->accepting.get(), &QSocketNotifier::activated,
                     system_->accepting.get(), [this] { system_->accept(); });
    return true;
}

void SingleInstanceChannel::System::accept() {
    int connection = -1;
    while ((connection = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >=
           0) {
        if (fromAnotherUser(connection)) {
            ::close(connection);
            continue;
        }
        if (connections->children().size() >= kOpenConnections) {
            static_cast<Connection*>(connections->children().constFirst())->finish();
        }
        new Connection(connection, answer, connections.get());
    }
}

void SingleInstanceChannel::stopListening() {
    system_->accepting.reset();
    system_->connections.reset();
    if (system_->listener >= 0) {
        ::close(system_->listener);
        ::unlink(system_->path.constData());
        system_->listener = -1;
    }
}

} // namespace tavrio
