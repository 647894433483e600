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

// Updating set for as long as it lives, and as it was afterwards.
class UpdatingScope {
public:
    explicit UpdatingScope(SharedValues& shared)
        : shared_(shared)
        , was_(shared.Updating) {
        shared_.Updating = true;
    }
    ~UpdatingScope() { shared_.Updating = was_; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

private:
    SharedValues& shared_;
    const bool was_;
};

} // namespace tavrio
