// One Tavrio per user and display, within one test process: the first start takes the lock, a
// later one hands its request over and the running one acts on it, a lock is free again once its
// holder is gone, and a socket left by a killed Tavrio stops nothing.
#include "SingleInstance.h"

#include "WidgetTestMain.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <future>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace tavrio {

namespace {

using Request = SingleInstance::Request;
using Start = SingleInstance::Start;
using namespace std::chrono_literals;

// A later start, on a thread of its own as in a process of its own; the test's event loop runs
// the running one meanwhile.
Start laterStart(const QString& endpoint, Request request, std::chrono::milliseconds patience) {
    auto later = std::async(std::launch::async, [&] {
        SingleInstance instance(endpoint);
        return instance.start(request, patience);
    });
    if (!QTest::qWaitFor([&] { return later.wait_for(0s) == std::future_status::ready; }, 20000)) {
        qFatal("the later start did not end");
    }
    return later.get();
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void theEndpointIsPerDisplay_data();
    void theEndpointIsPerDisplay();
    void aLaterStartHandsItsRequestOver_data();
    void aLaterStartHandsItsRequestOver();
    void aLockWhoseHolderIsGoneIsFree();
    void aSocketLeftBehindStopsNothing();
    void aRunningOneThatDoesNotListenLeavesTheLaterStartUnanswered();

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

void SingleInstanceTest::aLaterStartHandsItsRequestOver_data() {
    QTest::addColumn<int>("request");
    QTest::newRow("the timer window back") << int(Request::ShowTimerWindow);
    QTest::newRow("the settings window") << int(Request::OpenSettings);
    QTest::newRow("the end") << int(Request::End);
}

void SingleInstanceTest::aLaterStartHandsItsRequestOver() {
    QFETCH(int, request);
    const QString endpoint = SingleInstance::endpointFor(QStringLiteral(":5"));
    SingleInstance running(endpoint);
    QCOMPARE(running.start(Request::ShowTimerWindow, 1s), Start::First);
    QList<Request> requests;
    QVERIFY(running.listen([&](Request r) { requests << r; }));

    QCOMPARE(laterStart(endpoint, Request(request), 10s), Start::Handed);
    QVERIFY(QTest::qWaitFor([&] { return !requests.isEmpty(); }));
    QCOMPARE(requests, QList<Request>{Request(request)});

#ifdef Q_OS_UNIX
    // Another display has its own.
    QCOMPARE(laterStart(SingleInstance::endpointFor(QStringLiteral(":6")), Request(request), 1s),
             Start::First);
#endif
}

void SingleInstanceTest::aLockWhoseHolderIsGoneIsFree() {
    const QString endpoint = SingleInstance::endpointFor(QStringLiteral(":5"));
    {
        SingleInstance running(endpoint);
        QCOMPARE(running.start(Request::ShowTimerWindow, 1s), Start::First);
    }
    SingleInstance next(endpoint);
    QCOMPARE(next.start(Request::ShowTimerWindow, 1s), Start::First);
    QVERIFY(next.listen([](Request) {}));
}

// Only Unix sockets are files that outlive their process.
void SingleInstanceTest::aSocketLeftBehindStopsNothing() {
#ifndef Q_OS_UNIX
    QSKIP("a named pipe ends with its process");
#else
    const QString endpoint = SingleInstance::endpointFor(QStringLiteral(":5"));
    // A socket file nobody listens on any more, as a Tavrio killed outright leaves it.
    const int killed = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(endpoint);
    std::memcpy(address.sun_path, path.constData(), path.size());
    QCOMPARE(::bind(killed, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(killed);
    QVERIFY(QFileInfo(endpoint).exists());

    SingleInstance next(endpoint);
    QCOMPARE(next.start(Request::ShowTimerWindow, 1s), Start::First);
    QList<Request> requests;
    QVERIFY(next.listen([&](Request r) { requests << r; }));
    QCOMPARE(laterStart(endpoint, Request::OpenSettings, 10s), Start::Handed);
    QVERIFY(QTest::qWaitFor([&] { return requests.size() == 1; }));
#endif
}

void SingleInstanceTest::aRunningOneThatDoesNotListenLeavesTheLaterStartUnanswered() {
    const QString endpoint = SingleInstance::endpointFor(QStringLiteral(":5"));
    SingleInstance running(endpoint);
    QCOMPARE(running.start(Request::ShowTimerWindow, 1s), Start::First);
    QCOMPARE(laterStart(endpoint, Request::OpenSettings, 300ms), Start::Unanswered);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::SingleInstanceTest)
#include "SingleInstanceTest.moc"
