#include "WriterTurn.h"

#include <QFile>
#include <QFileInfo>

#include <thread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tavrio {

WriterTurn::WriterTurn(const QString& path)
    : path_(path) {
#ifdef Q_OS_UNIX
    folder_ = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                     O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
}

WriterTurn::~WriterTurn() {
#ifdef Q_OS_UNIX
    if (folder_ >= 0) {
        ::close(folder_); // which ends the turn
    }
#endif
}

WriterTurn::Outcome WriterTurn::take() {
    if (lockFolder()) {
        return Outcome::Taken;
    }
    if (folderBusy_) {
        return Outcome::Busy;
    }
    lockFile_ = std::make_unique<QLockFile>(path_ + QStringLiteral(".lock"));
    if (lockFile_->tryLock(static_cast<int>(kTurnLimit.count()))) {
        return Outcome::Taken;
    }
    return lockFile_->error() == QLockFile::LockFailedError ? Outcome::Busy : Outcome::NoLockFile;
}

void WriterTurn::syncFolder() {
#ifdef Q_OS_UNIX
    if (folder_ >= 0) {
        ::fsync(folder_);
    }
#endif
}

bool WriterTurn::lockFolder() {
#ifdef Q_OS_UNIX
    if (folder_ < 0) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + kTurnLimit;
    for (;;) {
        if (::flock(folder_, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno == EINTR) {
            continue;
        }
        folderBusy_ = errno == EWOULDBLOCK;
        if (!folderBusy_ || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
#else
    return false;
#endif
}

} // namespace tavrio
