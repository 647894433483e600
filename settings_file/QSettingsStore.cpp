#include "QSettingsStore.h"

#include "IniText.h"
#include "WriterTurn.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>
#include <utility>

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

// Why this writer cannot have its turn, or none once it has it.
std::optional<QString> takeTurn(WriterTurn& turn, const QString& path, qint64 bytesToWrite) {
    switch (turn.take()) {
    case WriterTurn::Outcome::Taken:
        return std::nullopt;
    case WriterTurn::Outcome::Busy:
        //: A reason: %2 of "Cannot save the settings to %1: %2."
        return QCoreApplication::translate("QSettingsStore", "another program keeps it locked");
    case WriterTurn::Outcome::NoLockFile:
        break;
    }
    return whyWritingFails(
        path, bytesToWrite,
        //: A reason: %2 of "Cannot save the settings to %1: %2."
        QCoreApplication::translate("QSettingsStore", "its lock file cannot be made"));
}

using Values = QMap<QString, QVariant>;
using TextEdit = std::function<std::optional<QByteArray>(const QByteArray& text)>;

// One change of the settings file: its text edited in place (none where the edit cannot be made
// so), the values Qt is to read from the file afterwards, and how many bytes it may add.
struct Change {
    TextEdit editText;
    std::function<void(Values& values)> editValues;
    qint64 growth = 0;
};

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

bool readsAs(const QString& path, const Values& values) {
    const QSettings reader(path, QSettings::IniFormat);
    return reader.status() == QSettings::NoError && valuesIn(reader) == values;
}

// The settings file's own text with the one line changed, in a new file beside it, on disk. The
// file's text is read afresh here, so it is what Qt parses for the values it is checked against
// unless the file changed meanwhile without a new size or time stamp, which the check catches.
bool writeEdited(const QString& path, const QString& edited, const TextEdit& edit) {
    QByteArray text;
    if (QFile file(path); file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        text = file.readAll();
    }
    const auto changed = edit(text);
    if (!changed) {
        return false;
    }
    QSaveFile output(edited);
    output.setDirectWriteFallback(false);
    return output.open(QIODevice::WriteOnly) && output.write(*changed) == changed->size() &&
           output.commit();
}

// The values as QSettings writes them, in a new file beside the real one that is read back under
// another name (`checked`); why that failed, if it did.
std::optional<QString> writeAfresh(const QString& path, const QString& staged,
                                   const QString& checked, const Values& values,
                                   qint64 bytesToWrite) {
    {
        QSettings writer(staged, QSettings::IniFormat);
        for (auto entry = values.cbegin(); entry != values.cend(); ++entry) {
            writer.setValue(entry.key(), entry.value());
        }
        writer.sync();
        if (writer.status() != QSettings::NoError) {
            //: A reason: %2 of "Cannot save the settings to %1: %2."
            return whyWritingFails(
                path, bytesToWrite,
                QCoreApplication::translate("QSettingsStore", "the system gave no reason"));
        }
    }
    if (!QFile::rename(staged, checked)) {
        //: A reason: %2 of "Cannot save the settings to %1: %2."
        return QCoreApplication::translate("QSettingsStore", "the new file cannot be renamed");
    }
    if (!readsAs(checked, values)) {
        return whyWritingFails(
            path, bytesToWrite,
            //: A reason: %2 of "Cannot save the settings to %1: %2."
            QCoreApplication::translate("QSettingsStore", "the new file came out incomplete"));
    }
    return std::nullopt;
}

// Makes the file's folder where it is missing; why that failed, if it did.
std::optional<QString> makeFolderOf(const QFileInfo& target) {
    std::error_code error;
    std::filesystem::create_directories(filesystemPath(target.absolutePath()), error);
    if (!error) {
        return std::nullopt;
    }
    //: A reason: %2 of "Cannot save the settings to %1: %2.". Here %1 is a folder, %2 the
    //: system's reason.
    return QCoreApplication::translate("QSettingsStore", "the folder %1 cannot be made (%2)")
        .arg(nativePath(target.absolutePath()), messageOf(error));
}

// A file that cannot be read would otherwise look empty, and lose its values to the one written.
std::optional<QString> whyUnreadable(const QSettings& current, const QString& path) {
    if (current.status() != QSettings::AccessError) {
        return std::nullopt;
    }
    QFile file(path);
    //: For %1 of "it cannot be read (%1)".
    const QString noReason = QCoreApplication::translate("QSettingsStore", "no reason given");
    //: A reason: %2 of "Cannot save the settings to %1: %2.". "It" is the settings file; here
    //: %1 is the system's reason.
    return QCoreApplication::translate("QSettingsStore", "it cannot be read (%1)")
        .arg(file.open(QIODevice::ReadOnly) ? noReason : file.errorString());
}

// Renames the new file over the one at `path` (`target`, as it was before the write), with the
// old one's permissions, and puts the rename on disk.
std::optional<QString> putInPlace(const QString& ready, const QString& path,
                                  const QFileInfo& target, WriterTurn& turn) {
    if (target.exists()) {
        QFile::setPermissions(ready, target.permissions());
    }
    stampLaterThan(ready, target);
    std::error_code error;
    std::filesystem::rename(filesystemPath(ready), filesystemPath(path), error);
    if (error) {
        return messageOf(error);
    }
    turn.syncFolder();
    return std::nullopt;
}

// Makes one change of an INI file (a value set, a section removed) and returns why that failed,
// if it did.
//
// The new file is made beside the real one, read back under its own name (which Qt has no cache
// for) and renamed over the real file only when it holds every value: so a write never leaves
// half a file, and costs one sync of the new file and one of the folder. Usually the new file is
// the old text with the one change made. Where Qt would read that differently (a damaged or
// oddly laid out file), QSettings writes the values afresh instead, at the cost of a sync or two
// more (Qt syncs its lock file too); and never on the real file: in Qt 6.4, when the disk fills
// up, QSettings renames an incomplete file over the good one and reports success, and after a
// failure it keeps the unsaved value in a cache that every QSettings of the process shares,
// reads it back and saves it again later.
std::optional<QString> saveChange(const QString& path, const Change& change) {
    const QFileInfo target(path);
    if (const auto cause = makeFolderOf(target)) {
        return cause;
    }
    // Room for Qt's escapes and for its lock file.
    const qint64 bytesToWrite = target.size() + change.growth + 256;

    WriterTurn turn(path);
    if (const auto busy = takeTurn(turn, path, bytesToWrite)) {
        return busy;
    }
    const QSettings current(path, QSettings::IniFormat);
    if (const auto cause = whyUnreadable(current, path)) {
        return cause;
    }
    Values values = valuesIn(current);
    change.editValues(values);

    const QString edited = besideFile(path, "edited");
    const QString staged = besideFile(path, "staged");
    const QString checked = besideFile(path, "checked");
    const auto removeLeftovers = qScopeGuard([&] {
        QFile::remove(edited);
        QFile::remove(staged);
        QFile::remove(checked);
    });
    QString ready = edited;
    if (current.status() != QSettings::NoError || !writeEdited(path, edited, change.editText) ||
        !readsAs(edited, values)) {
        if (const auto cause = writeAfresh(path, staged, checked, values, bytesToWrite)) {
            return cause;
        }
        ready = checked;
    }
    return putInPlace(ready, path, target, turn);
}

// The change made in the settings' file, or in the registry where `registry` says they are
// there.
WriteResult applyChange(QSettings& settings, bool registry, const Change& change,
                        const std::function<void(QSettings&)>& inRegistry) {
#ifdef Q_OS_WIN
    // The registry keeps each value as it is set; there is no file to replace.
    if (registry) {
        inRegistry(settings);
        settings.sync();
        if (settings.status() == QSettings::NoError) {
            return WriteResult::success();
        }
        return WriteResult::failure(
            //: %1 is the place in the Windows registry.
            QCoreApplication::translate("QSettingsStore",
                                        "Cannot save the settings in the registry at %1.")
                .arg(settings.fileName())
                .toStdString());
    }
#else
    static_cast<void>(registry);
    static_cast<void>(inRegistry);
#endif
    const QString path = settings.fileName();
    if (const auto cause = saveChange(path, change)) {
        //: %1 is the settings file, %2 the reason (see the reasons in this context).
        return WriteResult::failure(
            QCoreApplication::translate("QSettingsStore", "Cannot save the settings to %1: %2.")
                .arg(nativePath(path), *cause)
                .toStdString());
    }
    return WriteResult::success();
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
    const QString group = qString(section);
    const QString name = qString(key);
    const QString value = qString(text);
    const QString path = settingsKey(section, key);
    return applyChange(
        *open(appName), filePath_.isEmpty(),
        {[&](const QByteArray& file) { return iniTextWithValue(file, group, name, value); },
         [&](Values& values) { values.insert(path, value); }, 4 * (name.size() + value.size())},
        [&](QSettings& registry) { registry.setValue(path, value); });
}

WriteResult QSettingsStore::removeSection(std::string_view appName, std::string_view section) {
    const QString group = qString(section);
    const auto inGroup = [&](const QString& key) {
        return key.startsWith(group + u'/');
    };
    return applyChange(
        *open(appName), filePath_.isEmpty(),
        {[&](const QByteArray& file) { return iniTextWithoutSection(file, group); },
         [&](Values& values) { values.removeIf([&](auto entry) { return inGroup(entry.key()); }); },
         0},
        [&](QSettings& registry) { registry.remove(group); });
}

std::optional<std::string> QSettingsStore::readProblem() {
    const QString path = open(kAppName)->fileName();
    if (!QFileInfo::exists(path)) {
        return std::nullopt;
    }
    QFile file(path);
    const QByteArray contents = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray{};
    if (file.error() != QFileDevice::NoError) {
        //: %1 is the settings file, %2 the system's reason.
        return QCoreApplication::translate("QSettingsStore",
                                           "Cannot read the settings file %1: %2.")
            .arg(nativePath(path), file.errorString())
            .toStdString();
    }

    // Qt parses a file once per process while it stays unchanged, and a QSettings made later
    // does not report the problems of that parse; a copy under a new name is parsed afresh.
    QTemporaryFile copy;
    const bool copied = copy.open() && copy.write(contents) == contents.size() && copy.flush();
    const QSettings parsed(copied ? copy.fileName() : path, QSettings::IniFormat);
    if (parsed.status() == QSettings::FormatError) {
        //: %1 is the settings file. INI is the file's format, a technical name.
        return QCoreApplication::translate(
                   "QSettingsStore",
                   "The settings file %1 is damaged: it is not in the INI format.")
            .arg(nativePath(path))
            .toStdString();
    }
    return std::nullopt;
}

} // namespace tavrio
