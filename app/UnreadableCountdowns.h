// The message that tells, once at start, which countdowns beyond the first started without some
// of their stored values because those do not read. The first countdown skips such a value
// without a word, as it always has; a further one names it, since a countdown the user made
// elsewhere may look unlike what they left and the file alone would not say why.
#pragma once

#include "CountdownState.h"
#include "RegionalSettings.h"
#include "SettingsStore.h"

#include <QString>

#include <vector>

namespace tavrio {

// Empty when every further countdown's values read.
QString unreadableCountdownsMessage(SettingsStore& store,
                                    const std::vector<CountdownState*>& countdowns,
                                    const RegionalSettings& regional);

} // namespace tavrio
