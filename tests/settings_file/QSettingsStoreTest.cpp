#include "QSettingsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace tavrio {
namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray{};
}

bool putFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(contents) == contents.size();
}

[[maybe_unused]] std::string systemMessage(int error) {
    return std::generic_category().message(error);
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString pathOf(const QString& name) const { return folder_.filePath(name); }

    // Qt keeps what it parsed of a file for as long as the file looks unchanged, so reading the
    // same path again in this process could show the cache rather than the disk. A copy under a
    // name never used before is parsed from the bytes on disk.
    std::optional<std::string> readFromDisk(const QString& path, std::string_view key) {
        const QString copy = pathOf(QStringLiteral("fresh-%1.conf").arg(++copies_));
        if (!QFile::copy(path, copy)) {
            ADD_FAILURE() << "cannot copy " << path.toStdString();
            return std::nullopt;
        }
        return QSettingsStore(copy).read("Tavrio", "Settings", key);
    }

    QTemporaryDir folder_;
    int copies_ = 0;
};

// --- Round trips ----------------------------------------------------------------------------

TEST_F(SettingsFile, TextsReadBackExactlyFromTheFile) {
    const std::vector<std::string> texts = {
        " leading blank",
        "trailing blank ",
        "  both  ",
        "a, b, c",
        "a,b",
        "\"double quotes\"",
        "\"",
        "'single quotes'",
        "key=value",
        "semi;colon",
        ";at start",
        "#at start",
        "@at start",
        "@Invalid()",
        "@ByteArray(x)",
        "back\\slash",
        "\\\\server\\share\\",
        "[Settings]",
        "%41%",
        "Geburtstag – Ümit 🎉",
        "",
        std::string(100000, 'x'),
        "True",
        "False",
        "0",
        "1",
        "line\nbreak",
        "carriage\r\nreturn",
        "tab\there",
    };
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    QSettingsStore store(path);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const WriteResult result =
            store.write("Tavrio", "Settings", "Key" + std::to_string(i), texts[i]);
        ASSERT_TRUE(result.ok()) << result.reason();
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string key = "Key" + std::to_string(i);
        SCOPED_TRACE(texts[i].substr(0, 40));
        EXPECT_EQ(readFromDisk(path, key), texts[i]);
        EXPECT_EQ(store.read("Tavrio", "Settings", key), texts[i]);
    }
}

TEST_F(SettingsFile, AWriteReplacesTheValueAndKeepsTheOthers) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    QSettingsStore store(path);
    ASSERT_TRUE(store.write("Tavrio", "Settings", "Left", "10").ok());
    ASSERT_TRUE(store.write("Tavrio", "Settings", "Top", "20").ok());
    ASSERT_TRUE(store.write("Tavrio", "Settings", "Left", "30").ok());

    EXPECT_EQ(readFromDisk(path, "Left"), "30");
    EXPECT_EQ(readFromDisk(path, "Top"), "20");
    EXPECT_EQ(store.read("Tavrio", "Settings", "Left"), "30");
    EXPECT_EQ(store.read("Tavrio", "Settings", "Width"), std::nullopt);
    EXPECT_EQ(store.read("Tavrio", "Other", "Left"), std::nullopt);
}

TEST_F(SettingsFile, ReadsSeeChangesMadeByOtherPrograms) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    QSettingsStore store(path);
    ASSERT_TRUE(store.write("Tavrio", "Settings", "What", "first").ok());
    ASSERT_EQ(store.read("Tavrio", "Settings", "What"), "first");

    ASSERT_TRUE(putFile(path, "[Settings]\nWhat=changed by hand\n"));
    EXPECT_EQ(store.read("Tavrio", "Settings", "What"), "changed by hand");
    EXPECT_EQ(QSettingsStore(path).read("Tavrio", "Settings", "What"), "changed by hand");
}

TEST_F(SettingsFile, AWriteKeepsWhatTheUserWroteAroundTheValue) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    ASSERT_TRUE(putFile(path, "; my countdown\n[Settings]\nWhat=old\nBS=2 ; framed\n"));

    ASSERT_TRUE(QSettingsStore(path).write("Tavrio", "Settings", "What", "new").ok());

    EXPECT_EQ(contentsOf(path), "; my countdown\n[Settings]\nWhat=new\nBS=2 ; framed\n");
}

TEST_F(SettingsFile, ARemovedSectionTakesItsLinesAndLeavesTheRest) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    ASSERT_TRUE(putFile(path, "; mine\n[Settings]\nWhat=a ; kept\n\n[Countdown2]\nWhat=b\n"));
    QSettingsStore store(path);

    ASSERT_TRUE(store.removeSection("Tavrio", "Countdown2").ok());

    EXPECT_EQ(contentsOf(path), "; mine\n[Settings]\nWhat=a ; kept\n");
    EXPECT_EQ(store.read("Tavrio", "Countdown2", "What"), std::nullopt);
}

// Qt takes a file whose size and time stamp are those it parsed for unchanged, and serves what
// it parsed. A new file of the same size must therefore never carry the old one's stamp, also
// when that stamp lies ahead of the clock (a clock set back, a file copied from elsewhere).
TEST_F(SettingsFile, ANewFileIsStampedLaterThanTheOneItReplaces) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    QSettingsStore store(path);
    ASSERT_TRUE(store.write("Tavrio", "Settings", "What", "aaaa").ok());
    const QDateTime ahead = QDateTime::currentDateTimeUtc().addDays(1);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(ahead, QFileDevice::FileModificationTime));
    }
    ASSERT_EQ(store.read("Tavrio", "Settings", "What"), "aaaa");

    ASSERT_TRUE(store.write("Tavrio", "Settings", "What", "bbbb").ok());

    EXPECT_GT(QFileInfo(path).lastModified(), ahead);
    EXPECT_EQ(store.read("Tavrio", "Settings", "What"), "bbbb");
}

TEST_F(SettingsFile, HandEditedValuesReadAsText) {
    struct Case {
        QByteArray line;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"What=a,b, c", "a, b, c"},
        {"What=\"a, b\"", "a, b"},
        {"What=12.5", "12.5"},
        {"What=", ""},
        {"What=@Invalid()", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const QString path = pathOf(QStringLiteral("edited-%1.conf").arg(++copies_));
        ASSERT_TRUE(putFile(path, "[Settings]\n" + c.line + "\n"));
        EXPECT_EQ(QSettingsStore(path).read("Tavrio", "Settings", "What"), c.text);
    }
}

TEST_F(SettingsFile, AnotherApplicationNameIsKeptBeside) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    QSettingsStore store(path);
    ASSERT_TRUE(store.write("Other", "Settings", "BS", "1").ok());

    EXPECT_EQ(store.read("Tavrio", "Settings", "BS"), std::nullopt);
    EXPECT_EQ(store.read("Other", "Settings", "BS"), "1");
    EXPECT_TRUE(QFile::exists(pathOf(QStringLiteral("Other.conf"))));
    EXPECT_FALSE(QFile::exists(path));
}

// --- The per-user store ---------------------------------------------------------------------

// A file in the configuration folder; on Windows the registry, which the end-to-end checks under
// Wine read.
#ifndef Q_OS_WIN

QString configHome() {
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

TEST(PerUserStore, WritesTavrioConfInTheTavrioFolderOfTheConfigHome) {
    ASSERT_TRUE(configHome().startsWith(QDir::tempPath())) << "not a temporary config home";
    QSettingsStore store;
    ASSERT_TRUE(store.write("Tavrio", "Settings", "BS", "7").ok());

    const QByteArray contents = contentsOf(configHome() + QStringLiteral("/Tavrio/Tavrio.conf"));
    EXPECT_TRUE(contents.startsWith("[Settings]\n")) << contents.toStdString();
    EXPECT_TRUE(contents.contains("\nBS=7\n")) << contents.toStdString();
    EXPECT_EQ(store.read("Tavrio", "Settings", "BS"), "7");
}

TEST(PerUserStore, TheApplicationNameSelectsTheFile) {
    QSettingsStore store;
    ASSERT_TRUE(store.write("TavrioTestOther", "Settings", "OnlyInOther", "1").ok());

    EXPECT_TRUE(QFile::exists(configHome() + QStringLiteral("/Tavrio/TavrioTestOther.conf")));
    EXPECT_EQ(store.read("Tavrio", "Settings", "OnlyInOther"), std::nullopt);
    EXPECT_EQ(store.read("TavrioTestOther", "Settings", "OnlyInOther"), "1");
}

TEST(PerUserStore, IgnoresTheOrganisationWideFile) {
    ASSERT_TRUE(QDir().mkpath(configHome()));
    ASSERT_TRUE(putFile(configHome() + QStringLiteral("/Tavrio.conf"), "[Settings]\nTop=99\n"));
    EXPECT_EQ(QSettingsStore().read("Tavrio", "Settings", "Top"), std::nullopt);
}
#endif

// --- Durability and failures ----------------------------------------------------------------

#ifdef Q_OS_UNIX

TEST_F(SettingsFile, AValueIsOnDiskWhenTheWriteReturns) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    const QString text = QString(100000, u'd') + QStringLiteral(" end");
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--write-then-die"), path, text});
    ASSERT_TRUE(child.waitForFinished(60000));

    EXPECT_EQ(child.readAllStandardOutput(), "written\n");
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(QSettingsStore(path).read("Tavrio", "Settings", "What"), text.toStdString());
}

ino_t inodeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

TEST_F(SettingsFile, AWriteReplacesTheFileRatherThanRewritingIt) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    QSettingsStore store(path);
    ASSERT_TRUE(store.write("Tavrio", "Settings", "What", "first").ok());
    const QByteArray first = contentsOf(path);
    const ino_t firstInode = inodeOf(path);
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));

    ASSERT_TRUE(store.write("Tavrio", "Settings", "What", std::string(5000, 's')).ok());

    EXPECT_NE(inodeOf(path), firstInode);
    EXPECT_EQ(earlier.readAll(), first);
    EXPECT_EQ(
        QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{QStringLiteral("Tavrio.conf")});
}

TEST_F(SettingsFile, AFolderThatIsAFileFailsTheWriteWithItsReason) {
    ASSERT_TRUE(putFile(pathOf(QStringLiteral("blocker")), "not a folder"));
    const QString path = pathOf(QStringLiteral("blocker/Tavrio.conf"));
    QSettingsStore store(path);

    const WriteResult result = store.write("Tavrio", "Settings", "What", "lost");

    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.reason().find(path.toStdString()), std::string::npos) << result.reason();
    EXPECT_NE(result.reason().find(systemMessage(ENOTDIR)), std::string::npos) << result.reason();
    EXPECT_EQ(store.read("Tavrio", "Settings", "What"), std::nullopt);
}

TEST_F(SettingsFile, AReadOnlyFolderFailsTheWriteWithItsReason) {
    const QString readOnly = pathOf(QStringLiteral("readonly"));
    ASSERT_TRUE(QDir().mkpath(readOnly));
    const QString path = readOnly + QStringLiteral("/Tavrio.conf");
    QSettingsStore store(path);
    ASSERT_TRUE(store.write("Tavrio", "Settings", "What", "kept").ok());
    ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0555), 0);
    const bool stillWritable = putFile(readOnly + QStringLiteral("/probe"), "x");
    if (stillWritable) {
        ::chmod(QFile::encodeName(readOnly).constData(), 0755);
        GTEST_SKIP() << "file permissions do not bind this user (root?)";
    }

    const WriteResult result = store.write("Tavrio", "Settings", "What", "lost");
    ::chmod(QFile::encodeName(readOnly).constData(), 0755);

    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.reason().find(path.toStdString()), std::string::npos) << result.reason();
    EXPECT_NE(result.reason().find(systemMessage(EACCES)), std::string::npos) << result.reason();
    EXPECT_EQ(store.read("Tavrio", "Settings", "What"), "kept");
}

// A file size limit makes the disk look full to this process, whoever runs it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(SettingsFile, AFileThatCannotBeReadIsNotOverwritten) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    ASSERT_TRUE(putFile(path, "[Settings]\nWhat=kept\n"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0200), 0);
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "file permissions do not bind this user (root?)";
    }

    const WriteResult result = QSettingsStore(path).write("Tavrio", "Settings", "Top", "1");
    ::chmod(QFile::encodeName(path).constData(), 0644);

    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.reason().find(path.toStdString()), std::string::npos) << result.reason();
    EXPECT_EQ(contentsOf(path), "[Settings]\nWhat=kept\n");
}

TEST_F(SettingsFile, AFullDiskFailsTheWriteAndKeepsTheOldValue) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    QSettingsStore store(path);
    ASSERT_TRUE(store.write("Tavrio", "Settings", "What", "kept").ok());

    WriteResult result = WriteResult::success();
    {
        const FileSizeLimit limit(4096);
        result = store.write("Tavrio", "Settings", "What", std::string(100000, 'f'));
    }

    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.reason().find(path.toStdString()), std::string::npos) << result.reason();
    EXPECT_NE(result.reason().find(systemMessage(EFBIG)), std::string::npos) << result.reason();
    EXPECT_EQ(store.read("Tavrio", "Settings", "What"), "kept");

    // The failed value must not ride along with the next successful write either.
    ASSERT_TRUE(store.write("Tavrio", "Settings", "Top", "5").ok());
    EXPECT_EQ(readFromDisk(path, "What"), "kept");
    EXPECT_EQ(readFromDisk(path, "Top"), "5");
}

TEST_F(SettingsFile, AFailedWriteOverAMalformedFileIsStillAFailure) {
    const QString readOnly = pathOf(QStringLiteral("malformed"));
    ASSERT_TRUE(QDir().mkpath(readOnly));
    const QString path = readOnly + QStringLiteral("/Tavrio.conf");
    ASSERT_TRUE(putFile(path, "[Settings\nWhat=kept\n"));
    QSettingsStore store(path);

    WriteResult result = WriteResult::success();
    {
        const FileSizeLimit limit(64);
        result = store.write("Tavrio", "Settings", "What", std::string(1000, 'f'));
    }

    EXPECT_FALSE(result.ok());
    EXPECT_EQ(contentsOf(path), "[Settings\nWhat=kept\n");
}

#endif

TEST_F(SettingsFile, AWriteOverAMalformedFileSucceeds) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    ASSERT_TRUE(putFile(path, "[Settings\nWhat=old\n"));
    QSettingsStore store(path);

    const WriteResult result = store.write("Tavrio", "Settings", "What", "new");

    EXPECT_TRUE(result.ok()) << result.reason();
    EXPECT_EQ(readFromDisk(path, "What"), "new");
}

// --- Read problems --------------------------------------------------------------------------

TEST_F(SettingsFile, ReportsNoReadProblemForAMissingOrSoundFile) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    QSettingsStore store(path);
    EXPECT_EQ(store.readProblem(), std::nullopt);
    ASSERT_TRUE(store.write("Tavrio", "Settings", "What", "fine").ok());
    EXPECT_EQ(store.readProblem(), std::nullopt);
}

TEST_F(SettingsFile, ReportsAMalformedFileEvenAfterItWasRead) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    ASSERT_TRUE(putFile(path, "[Settings\nWhat=1\n"));
    QSettingsStore store(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto problem = store.readProblem();
        ASSERT_TRUE(problem.has_value());
        EXPECT_NE(problem->find(QDir::toNativeSeparators(path).toStdString()), std::string::npos)
            << *problem;
        store.read("Tavrio", "Settings", "What");
    }
}

TEST_F(SettingsFile, ReportsAFileThatCannotBeRead) {
    const QString path = pathOf(QStringLiteral("Tavrio.conf"));
    ASSERT_TRUE(QDir().mkpath(path));
    const auto problem = QSettingsStore(path).readProblem();
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("Cannot read"), std::string::npos) << *problem;
    EXPECT_NE(problem->find(QDir::toNativeSeparators(path).toStdString()), std::string::npos)
        << *problem;
}

} // namespace
} // namespace tavrio
