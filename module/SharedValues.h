// The values both windows share for the whole run: zero or false at start, filled from the store
// by the timer window's first activation and kept current by the settings window's handlers.
#pragma once

#include "DateValue.h"

#include <cstdint>

namespace tavrio {

struct SharedValues {
    DateValue TargetDate = 0; // only its calendar day counts; exactly 0 means no target
    DateValue TargetTime = 0; // only its time of day counts
    std::uint8_t Opacity = 0; // 0 transparent to 255 opaque
    bool HideBackground = false;
    bool SettingsLoaded = false; // the timer window has read and applied the stored settings
    bool Updating = false; // the settings window fills its controls or re-creates the timer window
};

} // namespace tavrio
