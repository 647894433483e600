#include "SessionAutostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace tavrio {

namespace {

// Quotes a path for an Exec line, which splits at blanks and gives \, ", ` and $ meaning.
QString execArgument(const QString& path) {
    QString quoted = path;
    for (const QChar special : {u'\\', u'"', u'`', u'$'}) {
        quoted.replace(special, QStringLiteral("\\") + special);
    }
    return u'"' + quoted + u'"';
}

} // namespace

SessionAutostart::SessionAutostart(QString appId, QString program)
    : appId_(std::move(appId))
    , program_(std::move(program)) {}

bool SessionAutostart::isSupported() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return true;
#else
    return false;
#endif
}

QString SessionAutostart::entryPath() const {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart/%1.desktop").arg(appId_));
}

bool SessionAutostart::isEnabled() const {
    QFile entry(entryPath());
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    QTextStream lines(&entry);
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.compare(QStringLiteral("Hidden=true"), Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    return true;
}

std::optional<QString> SessionAutostart::setEnabled(bool enabled) const {
    const QString path = entryPath();
    if (!enabled) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            //: A message box when Start With Session cannot be turned off; %1 is the
            //: autostart file.
            return QCoreApplication::translate("SessionAutostart", "Cannot remove %1.")
                .arg(QDir::toNativeSeparators(path));
        }
        return std::nullopt;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        //: A message box when Start With Session cannot be turned on; %1 is the autostart
        //: folder.
        return QCoreApplication::translate("SessionAutostart", "Cannot make the folder %1.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    }
    QSaveFile entry(path);
    if (!entry.open(QIODevice::WriteOnly | QIODevice::Text)) {
        //: A message box when Start With Session cannot be turned on; %1 is the autostart
        //: file, %2 the system's reason.
        return QCoreApplication::translate("SessionAutostart", "Cannot write %1: %2.")
            .arg(QDir::toNativeSeparators(path), entry.errorString());
    }
    QTextStream text(&entry);
    text << "[Desktop Entry]\n"
         << "Type=Application\n"
         << "Name=Tavrio\n"
         << "Comment=Counts down to the date you chose\n"
         << "Exec=" << execArgument(program_) << "\n"
         << "Icon=" << appId_ << "\n"
         << "Terminal=false\n"
         << "X-GNOME-Autostart-enabled=true\n";
    text.flush();
    if (!entry.commit()) {
        return QCoreApplication::translate("SessionAutostart", "Cannot write %1: %2.")
            .arg(QDir::toNativeSeparators(path), entry.errorString());
    }
    return std::nullopt;
}

} // namespace tavrio
