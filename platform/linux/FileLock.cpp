#include "FileLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace tavrio {

// Neither is inherited by what the program starts (a browser for the donation page), which
// would otherwise hold the lock after the program has ended.
FileLock FileLock::onFolder(const QString& path) {
    return FileLock(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

FileLock FileLock::onFile(const QString& path) {
    return FileLock(
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
}

FileLock::FileLock(int descriptor)
    : descriptor_(descriptor) {}

FileLock::FileLock(FileLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    std::swap(descriptor_, other.descriptor_);
    return *this;
}

FileLock::~FileLock() {
    if (descriptor_ >= 0) {
        ::close(descriptor_); // which releases the lock
    }
}

FileLock::Outcome FileLock::take(std::chrono::milliseconds wait) {
    if (descriptor_ < 0) {
        return Outcome::Unavailable;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
            return Outcome::Taken;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return Outcome::Unavailable;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return Outcome::Busy;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void FileLock::sync() {
    if (descriptor_ >= 0) {
        ::fsync(descriptor_);
    }
}

} // namespace tavrio
