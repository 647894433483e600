// How the windows' handlers store settings. A write that fails does not end the program: the
// value stays in force in memory, and the user is told which setting could not be saved and why,
// once, and again only after that setting has been saved successfully in between (so a title
// typed into a failing store does not raise a message for every keystroke).
#pragma once

#include "SettingKeys.h"
#include "SettingsStore.h"

#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace tavrio {

class SettingsWriter {
public:
    using Report = std::function<void(const std::string& message)>;

    SettingsWriter(SettingsStore& store, Report report);

    // True when the value was stored.
    bool save(Key key, std::string_view text);

private:
    SettingsStore& store_;
    Report report_;
    std::set<Key> failing_;
};

// The message for a setting that could not be saved.
std::string writeFailureMessage(Key key, const std::string& reason);

} // namespace tavrio
