// Desktop notifications through the freedesktop notification service on the session bus. Where
// there is no bus or no service, nothing happens and nothing fails.
#pragma once

#include <QString>

namespace tavrio {

// Sends the notification without waiting for the service's answer.
void sendDesktopNotification(const QString& appId, const QString& summary, const QString& body);

} // namespace tavrio
