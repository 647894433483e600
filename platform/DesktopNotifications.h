// Desktop notifications through the freedesktop notification service on the session bus. Where
// there is no bus (on Windows, or outside a desktop session), nothing is sent and the caller
// shows the notice its own way; a bus without the service loses it quietly. Where the service
// shows buttons on its notifications (its capability "actions"), a notification can carry the
// caller's, and the one the user presses is reported back; elsewhere it goes without them.
// Nothing here waits for the service: every question to it is answered in the event loop.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <map>

namespace tavrio {

struct NotificationAction {
    QString key;   // what the service reports when it is pressed
    QString label; // what the user sees, in the program's language
};

class DesktopNotifications : public QObject {
    Q_OBJECT

public:
    // Told the key of the action the user pressed on one notification.
    using ActionPressed = std::function<void(const QString& key)>;

    explicit DesktopNotifications(QString appId);

    // False where there is no bus. The actions go with the notification where the service shows
    // them, and `pressed` hears of each press for as long as the notification is open.
    bool send(const QString& summary, const QString& body,
              const QList<NotificationAction>& actions = {}, ActionPressed pressed = {});

private slots:
    void actionInvoked(uint id, const QString& key);
    void notificationClosed(uint id, uint reason);

private:
    void notify(const QString& summary, const QString& body,
                const QList<NotificationAction>& actions, ActionPressed pressed);
    void listen();

    QString appId_;
    bool listening_ = false;
    // The open notifications that show actions, by the service's number for them.
    std::map<uint, ActionPressed> withActions_;
};

} // namespace tavrio
