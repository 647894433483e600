// A stand-in for the desktop's notification service, for the end-to-end tests: it takes the
// name org.freedesktop.Notifications on the session bus it is given and prints one line per
// notification received, "app<TAB>summary<TAB>body", at once.
//
//   notification-sink --ping   asks the running stand-in for its server information and waits
//                              for the answer: the stand-in handles calls in order, so whatever
//                              reached it before has been printed by then.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>

class NotificationSink : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int timeout) {
        Q_UNUSED(replaces);
        Q_UNUSED(icon);
        Q_UNUSED(actions);
        Q_UNUSED(hints);
        Q_UNUSED(timeout);
        std::printf("%s\t%s\t%s\n", qPrintable(app), qPrintable(summary), qPrintable(body));
        std::fflush(stdout);
        return ++lastId_;
    }
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("Tavrio tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("notification-sink");
    }
    void CloseNotification(uint) {}

private:
    uint lastId_ = 0;
};

int ping(QDBusConnection& bus) {
    const QDBusMessage reply = bus.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("GetServerInformation")));
    return reply.type() == QDBusMessage::ReplyMessage ? 0 : 1;
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (application.arguments().contains(QStringLiteral("--ping"))) {
        return ping(bus);
    }
    NotificationSink sink;
    if (!bus.isConnected() ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &sink,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "notification-sink: cannot serve on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "notification-sink.moc"
