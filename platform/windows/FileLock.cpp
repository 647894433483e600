#include "FileLock.h"

#include <utility>

namespace tavrio {

// Windows locks no folder, and NTFS makes a rename durable without help: nothing is opened here.
FileLock FileLock::onFolder(const QString&) {
    return FileLock(-1);
}

FileLock FileLock::onFile(const QString&) {
    return FileLock(-1);
}

FileLock::FileLock(int descriptor)
    : descriptor_(descriptor) {}

FileLock::FileLock(FileLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    std::swap(descriptor_, other.descriptor_);
    return *this;
}

FileLock::~FileLock() = default;

FileLock::Outcome FileLock::take(std::chrono::milliseconds) {
    return Outcome::Unavailable;
}

void FileLock::sync() {}

} // namespace tavrio
