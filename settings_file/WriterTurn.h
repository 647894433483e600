// Another program (a second Tavrio) may replace the same settings file at the same moment, so
// writers take turns. Where the system allows, the turn is an exclusive lock on the file's folder:
// it leaves no file behind and, unlike Qt's lock file, costs no write to the disk. Elsewhere (a
// network file system may refuse to lock a folder) it is the lock file Qt's own writers take.
// The turn lasts as long as the object.
#pragma once

#include "FileLock.h"

#include <QLockFile>
#include <QString>

#include <chrono>
#include <memory>

namespace tavrio {

class WriterTurn {
public:
    // How long a writer waits while another has the file.
    static constexpr std::chrono::milliseconds kTurnLimit{10000};

    enum class Outcome {
        Taken,
        Busy,       // another writer kept the file for the whole wait
        NoLockFile, // the lock file cannot be made
    };

    // For the file at `path`.
    explicit WriterTurn(const QString& path);
    WriterTurn(const WriterTurn&) = delete;
    WriterTurn& operator=(const WriterTurn&) = delete;

    Outcome take();

    // The rename that puts a new file in place changes the folder; until the folder is on disk
    // too, a power cut can bring back the old file. (NTFS makes a rename durable without help.)
    void syncFolder();

private:
    QString path_;
    FileLock folder_;
    std::unique_ptr<QLockFile> lockFile_;
};

} // namespace tavrio
