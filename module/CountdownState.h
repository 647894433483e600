// One countdown: the group its settings are stored in, and the values its timer window and its
// settings window share while the program runs. Each countdown has its own; at start they are
// zero or false, its timer window's first activation fills them from the store, and its settings
// window keeps them current. The forms engine owns every countdown and hands it to its windows,
// so a countdown outlives the re-creation of its timer window.
#pragma once

#include "DateValue.h"
#include "SettingKeys.h"

#include <cstdint>
#include <string>
#include <utility>

namespace tavrio {

struct CountdownState {
    explicit CountdownState(std::string group)
        : group(std::move(group)) {}

    // Where its settings are: "Settings" for the first countdown.
    const std::string group;

    // The program's own countdown, which cannot be removed.
    bool isFirst() const { return group == kSection; }

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
    explicit UpdatingScope(CountdownState& countdown)
        : countdown_(countdown)
        , was_(countdown.Updating) {
        countdown_.Updating = true;
    }
    ~UpdatingScope() { countdown_.Updating = was_; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

private:
    CountdownState& countdown_;
    const bool was_;
};

} // namespace tavrio
