#include "DesktopNotifications.h"

#ifdef TAVRIO_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#endif

#include <utility>

namespace tavrio {

#ifdef TAVRIO_HAVE_DBUS
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage serviceCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

// Calls `answered` with the reply once it comes; never when the program ends first.
template <typename Reply, typename Answered>
void whenAnswered(QObject& context, const QDBusMessage& call, Answered answered) {
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), &context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &context,
                     [answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         answered(QDBusPendingReply<Reply>(*finished));
                     });
}

} // namespace
#endif

DesktopNotifications::DesktopNotifications(QString appId)
    : appId_(std::move(appId)) {}

bool DesktopNotifications::send(const QString& summary, const QString& body,
                                const QList<NotificationAction>& actions, ActionPressed pressed) {
#ifdef TAVRIO_HAVE_DBUS
    if (!QDBusConnection::sessionBus().isConnected()) {
        return false;
    }
    if (actions.isEmpty() || !pressed) {
        notify(summary, body, {}, {});
        return true;
    }
    // Asked each time: the desktop's service may have changed since the last notification.
    whenAnswered<QStringList>(
        *this, serviceCall(QStringLiteral("GetCapabilities")),
        [this, summary, body, actions, pressed](const QDBusPendingReply<QStringList>& reply) {
            if (!reply.isError() && reply.value().contains(QStringLiteral("actions"))) {
                notify(summary, body, actions, pressed);
            } else {
                notify(summary, body, {}, {});
            }
        });
    return true;
#else
    Q_UNUSED(summary);
    Q_UNUSED(body);
    Q_UNUSED(actions);
    Q_UNUSED(pressed);
    return false;
#endif
}

void DesktopNotifications::notify(const QString& summary, const QString& body,
                                  const QList<NotificationAction>& actions, ActionPressed pressed) {
#ifdef TAVRIO_HAVE_DBUS
    QStringList keysAndLabels;
    for (const NotificationAction& action : actions) {
        keysAndLabels << action.key << action.label;
    }
    QDBusMessage call = serviceCall(QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), appId_}};
    call << QStringLiteral("Tavrio") << uint{0} << appId_ << summary << body << keysAndLabels
         << hints << int{-1};
    if (!pressed) {
        QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
        return;
    }
    listen();
    whenAnswered<uint>(*this, call, [this, pressed](const QDBusPendingReply<uint>& reply) {
        if (!reply.isError()) {
            withActions_[reply.value()] = pressed;
        }
    });
#else
    Q_UNUSED(summary);
    Q_UNUSED(body);
    Q_UNUSED(actions);
    Q_UNUSED(pressed);
#endif
}

// The service tells every client of every press and close; only ours are heard.
void DesktopNotifications::listen() {
#ifdef TAVRIO_HAVE_DBUS
    if (listening_) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    listening_ = bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                             SLOT(actionInvoked(uint, QString))) &&
                 bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                             SLOT(notificationClosed(uint, uint)));
#endif
}

void DesktopNotifications::actionInvoked(uint id, const QString& key) {
    const auto found = withActions_.find(id);
    if (found != withActions_.end()) {
        // A copy: what it does may send another notification.
        const ActionPressed pressed = found->second;
        pressed(key);
    }
}

void DesktopNotifications::notificationClosed(uint id, uint /*reason*/) {
    withActions_.erase(id);
}

} // namespace tavrio
