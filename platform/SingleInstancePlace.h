// Where one Tavrio per user and display is found, on the operating system it runs on.
#pragma once

#include <QString>

namespace tavrio {

// The channel's name for the display `display` (":0", "wayland-0"), per user.
QString singleInstanceEndpoint(const QString& display);

} // namespace tavrio
