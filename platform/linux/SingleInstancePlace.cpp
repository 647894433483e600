#include "SingleInstancePlace.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <sys/stat.h>
#include <unistd.h>

namespace tavrio {

namespace {

QString folderOfTheUser() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return runtime;
    }
    // The temporary folder is everyone's: the user's own folder there, closed to others.
    const QString own = QDir::temp().filePath(QStringLiteral("tavrio-%1").arg(::getuid()));
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    struct stat folder {};
    if (::lstat(QFile::encodeName(own).constData(), &folder) == 0 && S_ISDIR(folder.st_mode) &&
        folder.st_uid == ::getuid()) {
        ::chmod(QFile::encodeName(own).constData(), 0700);
        return own;
    }
    return QDir::tempPath();
}

// A display name as part of a file name: letters, digits, dots and dashes stay, the rest is
// written as its code.
QString fileNameOf(QString display) {
    static const QRegularExpression screen(QStringLiteral("^(.*:\\d+)\\.\\d+$"));
    if (const QRegularExpressionMatch x11 = screen.match(display); x11.hasMatch()) {
        display = x11.captured(1);
    }
    QString name;
    for (const QChar c : display) {
        if (c.isLetterOrNumber() && c.unicode() < 128) {
            name += c;
        } else if (c == u'.' || c == u'-') {
            name += c;
        } else {
            name += QStringLiteral("_%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        }
    }
    return name;
}

} // namespace

QString singleInstanceEndpoint(const QString& display) {
    return QDir(folderOfTheUser()).filePath(QStringLiteral("tavrio-") + fileNameOf(display));
}

} // namespace tavrio
