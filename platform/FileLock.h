// An exclusive lock on a file or a folder, the operating system's own. The system releases it with
// the descriptor, however the process ends (a crash, kill -9), so no lock outlives its holder;
// taking it writes nothing to the disk and leaves nothing behind. The one Tavrio per display holds
// one on a lock file for as long as it runs; the settings file's writers take turns on one on the
// file's folder.
//
// Windows locks byte ranges of open files, not folders: there the lock is never available, and
// its users take another way (Qt's lock file, the first instance of a named pipe).
#pragma once

#include <QString>

#include <chrono>

namespace tavrio {

class FileLock {
public:
    enum class Outcome {
        Taken,
        Busy,        // another holder kept it for the whole wait
        Unavailable, // the file or folder cannot be opened, or its file system does not lock
    };

    // The folder at `path`, not locked yet.
    static FileLock onFolder(const QString& path);
    // The file at `path`, made for the user alone when it is missing, not locked yet.
    static FileLock onFile(const QString& path);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();

    // Takes the lock, waiting up to `wait` while another holder has it. Taking it again is no
    // wait: the lock is this object's until it ends.
    Outcome take(std::chrono::milliseconds wait = {});

    // Writes what the system still holds of the file or folder to the disk: after a rename in a
    // folder, its new entry.
    void sync();

private:
    explicit FileLock(int descriptor);

    int descriptor_ = -1;
};

} // namespace tavrio
