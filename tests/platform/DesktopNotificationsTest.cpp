// Notifications with an action, against the end-to-end tests' stand-in notification service on
// the private session bus this test runs in (dbus-run-session): the action goes where the service
// shows actions, and a press on it is reported, for our own notification only.
#include "DesktopNotifications.h"

#include "WidgetTestMain.h"

#include <QProcess>
#include <QTest>

#include <memory>
#include <utility>

namespace tavrio {

class DesktopNotificationsTest : public QObject {
    Q_OBJECT

private slots:
    void theActionGoesWhereTheServiceShowsActions_data();
    void theActionGoesWhereTheServiceShowsActions();
    void cleanup();

private:
    // The stand-in's line for the next notification, split at its tabs.
    QStringList sendAndReceive(DesktopNotifications& notifications);
    void startService(bool showsActions);

    std::unique_ptr<QProcess> service_;
    QStringList pressed_;
};

namespace {

const QString kSink = qEnvironmentVariable("TAVRIO_NOTIFICATION_SINK");

} // namespace

void DesktopNotificationsTest::startService(bool showsActions) {
    service_ = std::make_unique<QProcess>();
    service_->start(kSink, showsActions ? QStringList{QStringLiteral("--actions")} : QStringList{});
    QVERIFY(service_->waitForReadyRead(10000));
    QCOMPARE(service_->readLine().trimmed(), QByteArray("ready"));
}

QStringList DesktopNotificationsTest::sendAndReceive(DesktopNotifications& notifications) {
    const bool sent = notifications.send(
        QStringLiteral("Tavrio To Launch"), QStringLiteral("The time has come: Launch"),
        {{QStringLiteral("settings"), QStringLiteral("Open Settings")}},
        [this](const QString& key) { pressed_ << key; });
    if (!sent || !QTest::qWaitFor([this] { return service_->canReadLine(); }, 10000)) {
        return {};
    }
    return QString::fromUtf8(service_->readLine().trimmed()).split(QLatin1Char('\t'));
}

void DesktopNotificationsTest::cleanup() {
    if (service_) {
        service_->kill();
        service_->waitForFinished();
    }
    service_.reset();
    pressed_.clear();
}

void DesktopNotificationsTest::theActionGoesWhereTheServiceShowsActions_data() {
    QTest::addColumn<bool>("showsActions");
    QTest::addColumn<QString>("actions");
    QTest::newRow("shows actions") << true << QStringLiteral("settings=Open Settings");
    QTest::newRow("shows none") << false << QString();
}

// A press on ours is reported, one on another program's notification is not.
void DesktopNotificationsTest::theActionGoesWhereTheServiceShowsActions() {
    QFETCH(bool, showsActions);
    QFETCH(QString, actions);
    startService(showsActions);
    DesktopNotifications notifications(QStringLiteral("org.tavrio.Tavrio"));
    const QStringList received = sendAndReceive(notifications);
    QCOMPARE(received.size(), 5);
    QCOMPARE(received[1], QStringLiteral("Tavrio To Launch"));
    QCOMPARE(received[3], actions);
    if (!showsActions) {
        return;
    }
    const QString ours = received[4];
    const QString anotherPrograms = QString::number(ours.toUInt() + 1);
    // In this order, so that the press on ours comes after the other one has been handled.
    for (const auto& [number, key] : {std::pair{anotherPrograms, QStringLiteral("other")},
                                      std::pair{ours, QStringLiteral("settings")}}) {
        QCOMPARE(QProcess::execute(kSink, {QStringLiteral("--press"), number, key}), 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(pressed_, QStringList{QStringLiteral("settings")}, 10000);
}

} // namespace tavrio

TAVRIO_WIDGET_TEST_MAIN(tavrio::DesktopNotificationsTest)
#include "DesktopNotificationsTest.moc"
