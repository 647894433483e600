// Tavrio's icon in the sizes it comes in: the windows', and the tray's.
#pragma once

#include <QIcon>

namespace tavrio {

QIcon programIcon();

} // namespace tavrio
