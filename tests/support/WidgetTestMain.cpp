#include "WidgetTestMain.h"

#include "ProgramLanguage.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>

#include <cstdio>

namespace tavrio::test {

int runWidgetTests(int argc, char** argv, const std::function<int(int, char**)>& run) {
    const QTemporaryDir home;
    if (!home.isValid()) {
        std::fputs("cannot make a temporary home folder\n", stderr);
        return 1;
    }
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
#ifdef Q_OS_WIN
    // Qt's offscreen platform knows no system font on Windows; Windows' own is a 9-point sans.
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
#endif
    // English, whatever the machine's languages: the tests read the English texts, plural forms
    // included. A test of another language installs it on top.
    const ProgramLanguage english{QLocale(QLocale::English)};
    return run(argc, argv);
}

} // namespace tavrio::test
