#include "QSettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

#include <filesystem>
#include <system_error>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tavrio {

namespace {

// On Linux the native format already is an INI file, named .conf; on macOS it would be a
// property list, which a user cannot edit by hand.
#ifdef Q_OS_DARWIN
constexpr QSettings::Format kPerUserFormat = QSettings::IniFormat;
#else
constexpr QSettings::Format kPerUserFormat = QSettings::NativeFormat;
#endif

QString qString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString settingsKey(std::string_view section, std::string_view key) {
    return qString(section) + u'/' + qString(key);
}

std::string textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    }
    return value.toString().toStdString();
}

#ifdef Q_OS_UNIX
// The rename that puts a new file in place changes the folder; until the folder is on disk too,
// a power cut can bring back the old file.
void syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}
#else
// NTFS makes a rename durable without help.
void syncFolderOf(const QString&) {}
#endif

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::filesystem::path filesystemPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

QString messageOf(const std::error_code& error) {
    return QString::fromLocal8Bit(error.message());
}

// A write that went wrong somewhere in Qt says nothing about why; trying the same by hand, a
// new file beside the old one filled with as many bytes, meets the system's reason.
QString whyWritingFails(const QString& path, qint64 bytesToWrite, const QString& otherwise) {
    QSaveFile probe(path);
    probe.setDirectWriteFallback(false);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return probe.errorString();
    }
    // Qt takes a short write for a success: only the write after it carries the system's error,
    // and only when no buffer stands in between.
    const QByteArray filler(bytesToWrite, '\n');
    qint64 done = 0;
    while (done < filler.size()) {
        const qint64 count = probe.write(filler.constData() + done, filler.size() - done);
        if (count <= 0) {
            break;
        }
        done += count;
    }
    const bool written = done == filler.size() && probe.flush();
    const QString writeError = probe.errorString();
    probe.cancelWriting();
    return written ? otherwise : writeError;
}

using Values = QMap<QString, QVariant>;

Values valuesIn(const QSettings& settings) {
    Values values;
    for (const QString& key : settings.allKeys()) {
        values.insert(key, settings.value(key));
    }
    return values;
}

QString besideFile(const QString& path, const char* purpose) {
    return QStringLiteral("%1.%2-%3")
        .arg(path, QLatin1String(purpose))
        .arg(QRandomGenerator::global()->generate64(), 0, 36);
}

// Qt takes a file it has read for unchanged while its size and time stamp are, so a new file
// must not carry the old one's stamp.
void stampLaterThan(const QString& path, const QFileInfo& old) {
    if (!old.exists() || QFileInfo(path).lastModified() > old.lastModified()) {
        return;
    }
    QFile file(path);
    if (file.open(QIODevice::ReadWrite)) {
        file.setFileTime(old.lastModified().addMSecs(1), QFileDevice::FileModificationTime);
    }
}

// Stores one value in an INI file and returns why that failed, if it did.
//
// QSettings writes through QSaveFile, a new file renamed over the old, but in Qt 6.4 it ignores
// a short write: when the disk fills up it renames an incomplete file over the good one and
// reports success. After a failure it also keeps the unsaved value in a cache that every
// QSettings of the process shares, reads it back and saves it again later. So QSettings only
// writes a file of its own beside the real one here; that file is read back under a new name,
// which Qt has no cache for, and renamed over the real file only when it holds every value.
std::optional<QString> saveValue(const QString& path, const QString& name, const QVariant& value) {
    const QFileInfo target(path);
    std::error_code error;
    std::filesystem::create_directories(filesystemPath(target.absolutePath()), error);
    if (error) {
        return QStringLiteral("the folder %1 cannot be made (%2)")
            .arg(nativePath(target.absolutePath()), messageOf(error));
    }

    // Room for Qt's escapes and for its lock file.
    const qint64 bytesToWrite = target.size() + 4 * (name.size() + value.toString().size()) + 256;

    // The lock Qt's own writers take, so that no other program changes the file meanwhile.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(10000)) {
        return lock.error() == QLockFile::LockFailedError
                   ? QStringLiteral("another program keeps it locked")
                   : whyWritingFails(path, bytesToWrite,
                                     QStringLiteral("its lock file cannot be made"));
    }

    // A file that cannot be read would otherwise look empty, and lose its values to this one.
    const QSettings current(path, QSettings::IniFormat);
    if (current.status() == QSettings::AccessError) {
        QFile file(path);
        return QStringLiteral("it cannot be read (%1)")
            .arg(file.open(QIODevice::ReadOnly) ? QStringLiteral("no reason given")
                                                : file.errorString());
    }
    Values values = valuesIn(current);
    values.insert(name, value);

    const QString staged = besideFile(path, "staged");
    const QString checked = besideFile(path, "checked");
    const auto removeLeftovers = qScopeGuard([&] {
        QFile::remove(staged);
        QFile::remove(checked);
    });
    {
        QSettings writer(staged, QSettings::IniFormat);
        for (auto entry = values.cbegin(); entry != values.cend(); ++entry) {
            writer.setValue(entry.key(), entry.value());
        }
        writer.sync();
        if (writer.status() != QSettings::NoError) {
            return whyWritingFails(path, bytesToWrite, QStringLiteral("the system gave no reason"));
        }
    }
    if (!QFile::rename(staged, checked)) {
        return QStringLiteral("the new file cannot be renamed");
    }
    const QSettings reader(checked, QSettings::IniFormat);
    if (reader.status() != QSettings::NoError || valuesIn(reader) != values) {
        return whyWritingFails(path, bytesToWrite,
                               QStringLiteral("the new file came out incomplete"));
    }

    if (target.exists()) {
        QFile::setPermissions(checked, target.permissions());
    }
    stampLaterThan(checked, target);
    std::filesystem::rename(filesystemPath(checked), filesystemPath(path), error);
    if (error) {
        return messageOf(error);
    }
    syncFolderOf(path);
    return std::nullopt;
}

} // namespace

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(QString filePath)
    : filePath_(std::move(filePath)) {}

std::unique_ptr<QSettings> QSettingsStore::open(std::string_view appName) const {
    const QString application = qString(appName);
    std::unique_ptr<QSettings> settings;
    if (filePath_.isEmpty()) {
        settings = std::make_unique<QSettings>(kPerUserFormat, QSettings::UserScope,
                                               QStringLiteral("Tavrio"), application);
    } else {
        const QString path =
            application == qString(kAppName)
                ? filePath_
                : QFileInfo(filePath_).dir().filePath(application + QStringLiteral(".conf"));
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    // Only the user's own file counts: a value from an organisation-wide or system file would
    // look like the user's and could not be changed here.
    settings->setFallbacksEnabled(false);
    return settings;
}

std::optional<std::string> QSettingsStore::read(std::string_view appName, std::string_view section,
                                                std::string_view key) {
    const QVariant value = open(appName)->value(settingsKey(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return textOf(value);
}

WriteResult QSettingsStore::write(std::string_view appName, std::string_view section,
                                  std::string_view key, std::string_view text) {
    const std::unique_ptr<QSettings> settings = open(appName);
    const QString name = settingsKey(section, key);
#ifdef Q_OS_WIN
    // The registry keeps each value as it is set; there is no file to replace.
    if (filePath_.isEmpty()) {
        settings->setValue(name, qString(text));
        settings->sync();
        if (settings->status() == QSettings::NoError) {
            return WriteResult::success();
        }
        return WriteResult::failure(
            QStringLiteral("Cannot save the settings in the registry at %1.")
                .arg(settings->fileName())
                .toStdString());
    }
#endif
    const QString path = settings->fileName();
    if (const auto cause = saveValue(path, name, qString(text))) {
        return WriteResult::failure(QStringLiteral("Cannot save the settings to %1: %2.")
                                        .arg(nativePath(path), *cause)
                                        .toStdString());
    }
    return WriteResult::success();
}

std::optional<std::string> QSettingsStore::readProblem() {
    const QString path = open(kAppName)->fileName();
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    QFile file(path);
    const QByteArray contents = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray{};
    if (file.error() != QFileDevice::NoError) {
        return QStringLiteral("Cannot read the settings file %1: %2.")
            .arg(nativePath(path), file.errorString())
            .toStdString();
    }

    // Qt parses a file once per process while it stays unchanged, and a QSettings made later
    // does not report the problems of that parse; a copy under a new name is parsed afresh.
    QTemporaryFile copy;
    const bool copied = copy.open() && copy.write(contents) == contents.size() && copy.flush();
    const QSettings parsed(copied ? copy.fileName() : path, QSettings::IniFormat);
    if (parsed.status() == QSettings::FormatError) {
        return QStringLiteral("The settings file %1 is damaged: it is not in the INI format.")
            .arg(nativePath(path))
            .toStdString();
    }
    return std::nullopt;
}

} // namespace tavrio
