#include "SingleInstance.h"

#include "SingleInstancePlace.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tavrio {

namespace {

const QByteArray kShow = "show";
const QByteArray kSettings = "settings";
const QByteArray kEnd = "end";
const QByteArray kDone = "done";

QByteArray lineFor(SingleInstance::Request request) {
    switch (request) {
    case SingleInstance::Request::OpenSettings:
        return kSettings;
    case SingleInstance::Request::End:
        return kEnd;
    case SingleInstance::Request::ShowTimerWindow:
        break;
    }
    return kShow;
}

} // namespace

QString SingleInstance::endpointFor(const QString& display) {
    return singleInstanceEndpoint(display);
}

SingleInstance::SingleInstance(QString endpoint)
    : endpoint_(std::move(endpoint)) {}

SingleInstance::~SingleInstance() {
    delete server_;
#ifdef Q_OS_UNIX
    if (lock_ >= 0) {
        ::close(lock_);
    }
#endif
}

bool SingleInstance::tryLock() {
#ifdef Q_OS_UNIX
    if (lock_ >= 0) {
        return true;
    }
    // Not inherited by what the program starts (a browser for the donation page), which would
    // otherwise hold the lock after the program has ended.
    const int file = ::open(QFile::encodeName(singleInstanceLockPath(endpoint_)).constData(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0) {
        return false;
    }
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        ::close(file);
        return false;
    }
    lock_ = file;
    return true;
#else
    if (!lockFile_) {
        lockFile_ = std::make_unique<QLockFile>(singleInstanceLockPath(endpoint_));
        // Held for the whole run, however long: only a lock whose process is gone is stale.
        lockFile_->setStaleLockTime(0);
    }
    return lockFile_->isLocked() || lockFile_->tryLock(0);
#endif
}

SingleInstance::Start SingleInstance::start(Request request, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (tryLock()) {
            return Start::First;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return Start::Unanswered;
        }
        if (tryHand(request, left)) {
            return Start::Handed;
        }
        // The one that holds the lock is not listening yet, or is ending.
        QThread::msleep(20);
    }
}

bool SingleInstance::tryHand(Request request, std::chrono::milliseconds wait) {
    letTheRunningInstanceComeForward();
    QLocalSocket socket;
    socket.connectToServer(endpoint_);
    const int ms = static_cast<int>(wait.count());
    if (!socket.waitForConnected(ms)) {
        return false;
    }
    socket.write(lineFor(request) + '\n');
    if (!socket.waitForBytesWritten(ms)) {
        return false;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(ms)) {
            return false;
        }
    }
    return socket.readLine().trimmed() == kDone;
}

bool SingleInstance::waitUntilEnded(std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!tryLock()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

bool SingleInstance::listen(std::function<void(Request)> handle) {
    handle_ = std::move(handle);
    server_ = new QLocalServer;
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // What a Tavrio that was killed left behind; the lock says none listens there now.
    QLocalServer::removeServer(endpoint_);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
    return server_->listen(endpoint_);
}

void SingleInstance::stopListening() {
    delete server_;
    server_ = nullptr;
}

void SingleInstance::answer() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            const QByteArray line = socket->readLine().trimmed();
            // Answered first: the later start may end at once, while the windows open here.
            socket->write(kDone + '\n');
            socket->disconnectFromServer();
            if (line == kSettings) {
                handle_(Request::OpenSettings);
            } else if (line == kShow) {
                handle_(Request::ShowTimerWindow);
            } else if (line == kEnd) {
                handle_(Request::End);
            }
        });
    }
}

} // namespace tavrio
