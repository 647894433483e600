#include "DesktopNotifications.h"

#ifdef TAVRIO_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#endif

namespace tavrio {

bool sendDesktopNotification(const QString& appId, const QString& summary, const QString& body) {
#ifdef TAVRIO_HAVE_DBUS
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), appId}};
    notify << QStringLiteral("Tavrio") << uint{0} << appId << summary << body << QStringList{}
           << hints << int{-1};
    bus.call(notify, QDBus::NoBlock);
    return true;
#else
    Q_UNUSED(appId);
    Q_UNUSED(summary);
    Q_UNUSED(body);
    return false;
#endif
}

} // namespace tavrio
