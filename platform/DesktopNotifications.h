// Desktop notifications through the freedesktop notification service on the session bus. Where
// there is no bus (on Windows, or outside a desktop session), nothing is sent and the caller
// shows the notice its own way; a bus without the service loses it quietly.
#pragma once

#include <QString>

namespace tavrio {

// Sends the notification without waiting for the service's answer; false where there is no bus.
bool sendDesktopNotification(const QString& appId, const QString& summary, const QString& body);

} // namespace tavrio
