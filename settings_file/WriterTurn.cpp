#include "WriterTurn.h"

#include <QFileInfo>

namespace tavrio {

WriterTurn::WriterTurn(const QString& path)
    : path_(path)
    , folder_(FileLock::onFolder(QFileInfo(path).absolutePath())) {}

WriterTurn::Outcome WriterTurn::take() {
    switch (folder_.take(kTurnLimit)) {
    case FileLock::Outcome::Taken:
        return Outcome::Taken;
    case FileLock::Outcome::Busy:
        return Outcome::Busy;
    case FileLock::Outcome::Unavailable:
        break;
    }
    lockFile_ = std::make_unique<QLockFile>(path_ + QStringLiteral(".lock"));
    if (lockFile_->tryLock(static_cast<int>(kTurnLimit.count()))) {
        return Outcome::Taken;
    }
    return lockFile_->error() == QLockFile::LockFailedError ? Outcome::Busy : Outcome::NoLockFile;
}

void WriterTurn::syncFolder() {
    folder_.sync();
}

} // namespace tavrio
