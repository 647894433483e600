// The target date or the target time as one of the settings window's boxes sets it. What each
// text of the box puts in force is TypedEntry's; this ties it to the box and to the shared value.
// A text that does not read marks the box, unless the box is empty, where every new text starts.
// The target is stored only when the user changed it in the window: what the window was filled
// with is not written back, so a stored value the user did not change stays as it is, also one
// that could not be read.
#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"
#include "SettingKeys.h"
#include "TypedEntry.h"

#include <string>
#include <string_view>

namespace tavrio {

class EntryBox;
class SettingsWriter;

class TargetEntry {
public:
    // `key` is where the target is stored.
    TargetEntry(EntryBox& box, DateValue& target, Key key, const RegionalSettings& regional);

    // The user begins a new text, with the target in force as it is.
    void begin();
    // The box's text changed.
    void take();
    // The program's own text for the box: read like any other, but no change of the user's.
    void fill(const std::string& text);
    // Stores the target in the group if the user set it in this window.
    void storeIfChanged(SettingsWriter& writer, std::string_view group) const;

private:
    EntryBox& box_;
    DateValue& target_;
    const Key key_;
    const RegionalSettings& regional_;
    TypedEntry entry_;
};

} // namespace tavrio
