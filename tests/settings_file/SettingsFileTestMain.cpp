// The settings file tests run under a QApplication on the offscreen platform, with the per-user
// folders of the process moved into a temporary folder: no test may touch the real user's
// settings, and QSettings fixes its per-user paths the first time it is used.
#include "QSettingsStore.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <iostream>

namespace {

#ifdef Q_OS_UNIX
// The child of the durability test: it saves a value and is killed the moment the save returns,
// before anything else of the process can run.
int writeThenDie(const char* path, const char* text) {
    tavrio::QSettingsStore store(QString::fromLocal8Bit(path));
    const tavrio::WriteResult result = store.write("Tavrio", "Settings", "What", text);
    if (!result.ok()) {
        std::cout << result.reason() << std::endl;
        return 1;
    }
    std::cout << "written" << std::endl;
    return std::raise(SIGKILL);
}
#endif

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) {
        std::cerr << "cannot make a temporary home folder\n";
        return 1;
    }
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));

#ifdef Q_OS_UNIX
    if (argc == 4 && std::strcmp(argv[1], "--write-then-die") == 0) {
        return writeThenDie(argv[2], argv[3]);
    }
#endif

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
