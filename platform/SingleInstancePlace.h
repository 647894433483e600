// Where one Tavrio per user and display is found, on the operating system it runs on.
#pragma once

#include <QString>

namespace tavrio {

// The local socket's name for the display `display` (":0", "wayland-0"), per user.
QString singleInstanceEndpoint(const QString& display);
// The lock that the running one holds, beside the socket.
QString singleInstanceLockPath(const QString& endpoint);
// Called by a later start just before it hands its request over.
void letTheRunningInstanceComeForward();

} // namespace tavrio
