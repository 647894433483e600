// A stand-in for the desktop's notification service, for the end-to-end tests: it takes the
// name org.freedesktop.Notifications on the session bus it is given and prints one line per
// notification received, "app<TAB>summary<TAB>body<TAB>actions<TAB>number", at once; the actions
// as "key=label" joined by commas, the number the one it answered with.
//
//   notification-sink --actions     serves as one that shows actions (capability "actions")
//   notification-sink --ping        asks the running stand-in for its server information and
//                                   waits for the answer: the stand-in handles calls in order,
//                                   so whatever reached it before has been printed by then.
//   notification-sink --press N KEY has the running stand-in report that the user pressed the
//                                   action KEY on notification N
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

public:
    explicit NotificationSink(bool showsActions)
        : showsActions_(showsActions) {}

public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int timeout) {
        Q_UNUSED(replaces);
        Q_UNUSED(icon);
        Q_UNUSED(hints);
        Q_UNUSED(timeout);
        QStringList pairs;
        for (qsizetype i = 0; i + 1 < actions.size(); i += 2) {
            pairs << actions[i] + QLatin1Char('=') + actions[i + 1];
        }
        std::printf("%s\t%s\t%s\t%s\t%u\n", qPrintable(app), qPrintable(summary), qPrintable(body),
                    qPrintable(pairs.join(QLatin1Char(','))), ++lastId_);
        std::fflush(stdout);
        return lastId_;
    }
    QStringList GetCapabilities() {
        return showsActions_ ? QStringList{QStringLiteral("body"), QStringLiteral("actions")}
                             : QStringList{QStringLiteral("body")};
    }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("Tavrio tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("notification-sink");
    }
    void CloseNotification(uint id) { emit NotificationClosed(id, 3); }
    // Not the service's own: how the tests press an action.
    void PressAction(uint id, const QString& key) { emit ActionInvoked(id, key); }

signals:
    void ActionInvoked(uint id, const QString& key);
    void NotificationClosed(uint id, uint reason);

private:
    bool showsActions_;
    uint lastId_ = 0;
};

int callTheRunningOne(QDBusConnection& bus, const QString& method, const QVariantList& arguments) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                       QStringLiteral("/org/freedesktop/Notifications"),
                                       QStringLiteral("org.freedesktop.Notifications"), method);
    call.setArguments(arguments);
    return bus.call(call).type() == QDBusMessage::ReplyMessage ? 0 : 1;
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QStringList arguments = application.arguments();
    if (arguments.contains(QStringLiteral("--ping"))) {
        return callTheRunningOne(bus, QStringLiteral("GetServerInformation"), {});
    }
    if (arguments.size() == 4 && arguments[1] == QStringLiteral("--press")) {
        return callTheRunningOne(bus, QStringLiteral("PressAction"),
                                 {arguments[2].toUInt(), arguments[3]});
    }
    NotificationSink sink(arguments.contains(QStringLiteral("--actions")));
    if (!bus.isConnected() ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &sink,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "notification-sink: cannot serve on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "notification-sink.moc"
