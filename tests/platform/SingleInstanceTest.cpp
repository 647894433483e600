// One Tavrio per user and display, within one test process: the first start takes the claim, a
// later one hands its arguments over and prints the running one's answer, and what is no Tavrio's
// request is refused without harm; a later start can await the running one's end. (A killed
// Tavrio stopping nothing is checked end to end.)
#include "SingleInstance.h"

#include "InstanceMessage.h"
#include "WidgetTestMain.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <future>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace tavrio {

namespace {

using Answer = SingleInstance::Answer;
using Start = SingleInstance::Start;
using namespace std::chrono_literals;
using namespace std::string_literals;

// Runs `work` on a thread of its own, as in a process of its own, while the test's event loop runs
// the running one.
template <typename Work>
auto elsewhere(Work work) {
    auto later = std::async(std::launch::async, work);
    if (!QTest::qWaitFor([&] { return later.wait_for(0s) == std::future_status::ready; }, 20000)) {
        qFatal("the other side did not end");
    }
    return later.get();
}

std::pair<Start, Answer> laterStart(const QString& endpoint, const QStringList& arguments,
                                    std::chrono::milliseconds patience) {
    return elsewhere([&] {
        SingleInstance instance(endpoint);
        const Start start = instance.start(arguments, patience);
        return std::pair{start, instance.answer()};
    });
}

// Writes `bytes` as something that is no Tavrio might, and returns all that comes back until the
// running one closes the connection; or, `cutShort`, closes it first.
QByteArray rawExchange(const QString& endpoint, const std::string& bytes, bool cutShort) {
    return elsewhere([&] {
        QByteArray received;
        char buffer[256];
#ifdef Q_OS_WIN
        const std::wstring name = (QStringLiteral("\\\\.\\pipe\\") + endpoint).toStdWString();
        HANDLE pipe = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        DWORD moved = 0;
        WriteFile(pipe, bytes.data(), DWORD(bytes.size()), &moved, nullptr);
        while (!cutShort && ReadFile(pipe, buffer, sizeof buffer, &moved, nullptr) && moved > 0) {
            received.append(buffer, moved);
        }
        CloseHandle(pipe);
#else
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{AF_UNIX, {}};
        std::strcpy(address.sun_path, QFile::encodeName(endpoint).constData());
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        ssize_t got = 0;
        while (!cutShort && (got = ::recv(socket, buffer, sizeof buffer, 0)) > 0) {
            received.append(buffer, got);
        }
        ::close(socket);
#endif
        return received;
    });
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theEndpointIsPerDisplay_data();
    void theEndpointIsPerDisplay();
    void aLaterStartHandsItsArgumentsOverAndTakesTheAnswer_data();
    void aLaterStartHandsItsArgumentsOverAndTakesTheAnswer();
    void aRequestOfNoTavrioIsRefused_data();
    void aRequestOfNoTavrioIsRefused();
    void aRunningOneThatDoesNotListenLeavesTheLaterStartUnanswered();
    void aLaterStartAwaitsTheEndOfTheRunningOne_data();
    void aLaterStartAwaitsTheEndOfTheRunningOne();

private:
    std::unique_ptr<QTemporaryDir> runtime_;
};

void SingleInstanceTest::init() {
    runtime_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_->path()));
}

void SingleInstanceTest::theEndpointIsPerDisplay_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("name");

    QTest::newRow("X") << ":0"
                       << "tavrio-_3a0";
    QTest::newRow("X, a screen of it") << ":0.1"
                                       << "tavrio-_3a0";
    QTest::newRow("X, another") << ":12"
                                << "tavrio-_3a12";
    QTest::newRow("X over the network") << "host.example:10.0"
                                        << "tavrio-host.example_3a10";
    QTest::newRow("Wayland") << "wayland-0"
                             << "tavrio-wayland-0";
    QTest::newRow("a path") << "/run/x/../w"
                            << "tavrio-_2frun_2fx_2f.._2fw";
}

void SingleInstanceTest::theEndpointIsPerDisplay() {
#ifndef Q_OS_UNIX
    QSKIP("Windows has one endpoint per login session, whatever the display");
#endif
    QFETCH(QString, display);
    QFETCH(QString, name);
    QCOMPARE(SingleInstance::endpointFor(display), runtime_->filePath(name));
}

void SingleInstanceTest::aLaterStartHandsItsArgumentsOverAndTakesTheAnswer_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("none: the timer window back") << QStringList() << 0 << QString();
    QTest::newRow("the settings window") << QStringList{"--settings"} << 0 << QString();
    QTest::newRow("a phrase that does not read, an empty one, and beyond ASCII")
        << QStringList{"--target", "friday 17:00", "", "Ünïcödé 時"} << 2
        << QString("Cannot read \"Ünïcödé 時\"\nTry --help");
}

void SingleInstanceTest::aLaterStartHandsItsArgumentsOverAndTakesTheAnswer() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, text);
    const QString endpoint = SingleInstance::endpointFor(QStringLiteral(":5"));
    SingleInstance running(endpoint);
    QCOMPARE(running.start({}, 1s), Start::First);
    QList<QStringList> requests;
    QVERIFY(running.listen([&](const QStringList& request) {
        requests << request;
        return Answer{status, text};
    }));

    const auto [start, answer] = laterStart(endpoint, arguments, 10s);
    QCOMPARE(start, Start::Handed);
    QCOMPARE(answer, (Answer{status, text}));
    QCOMPARE(requests, QList<QStringList>{arguments});

#ifdef Q_OS_UNIX
    // Another display has its own.
    QCOMPARE(laterStart(SingleInstance::endpointFor(QStringLiteral(":6")), arguments, 1s).first,
             Start::First);
#endif
}

void SingleInstanceTest::aRequestOfNoTavrioIsRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("cutShort");
    const auto row = [](const char* name, const std::string& bytes, bool cutShort) {
        QTest::newRow(name) << QByteArray::fromStdString(bytes) << cutShort;
    };
    row("not UTF-8", *instanceMessage({"--settings", "\xff\xfe"}), false);
    row("longer than the limit", "\0\x10\0\0"s + std::string(70000, 'x'), false);
    row("cut short", "\0\0\0\x20--settings\0"s, true);
}

void SingleInstanceTest::aRequestOfNoTavrioIsRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, cutShort);
    const QString endpoint = SingleInstance::endpointFor(QStringLiteral(":5"));
    SingleInstance running(endpoint);
    QCOMPARE(running.start({}, 1s), Start::First);
    int requests = 0;
    QVERIFY(running.listen([&](const QStringList&) { return Answer{++requests, {}}; }));

    QCOMPARE(rawExchange(endpoint, bytes.toStdString(), cutShort), QByteArray());
    // Still answering, and the refused request was never acted on.
    QCOMPARE(laterStart(endpoint, {}, 10s), std::pair(Start::Handed, Answer{1, {}}));
}

void SingleInstanceTest::aRunningOneThatDoesNotListenLeavesTheLaterStartUnanswered() {
    const QString endpoint = SingleInstance::endpointFor(QStringLiteral(":5"));
    SingleInstance running(endpoint);
    QCOMPARE(running.start({}, 1s), Start::First);
    QCOMPARE(laterStart(endpoint, {"--settings"}, 300ms).first, Start::Unanswered);
}

void SingleInstanceTest::aLaterStartAwaitsTheEndOfTheRunningOne_data() {
    QTest::addColumn<bool>("ends");
    QTest::newRow("it ends") << true;
    QTest::newRow("it stays") << false;
}

void SingleInstanceTest::aLaterStartAwaitsTheEndOfTheRunningOne() {
    QFETCH(bool, ends);
    const QString endpoint = SingleInstance::endpointFor(QStringLiteral(":5"));
    auto running = std::make_unique<SingleInstance>(endpoint);
    QCOMPARE(running->start({}, 1s), Start::First);
    QVERIFY(running->listen([&](const QStringList&) {
        if (ends) {
            QTimer::singleShot(100ms, [&running] { running.reset(); });
        }
        return Answer{};
    }));
    const bool ended = elsewhere([&] {
        SingleInstance later(endpoint);
        return later.start({"--exit"}, 10s) == Start::Handed && later.awaitEnd(ends ? 10s : 300ms);
    });
    QCOMPARE(ended, ends);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::SingleInstanceTest)
#include "SingleInstanceTest.moc"
