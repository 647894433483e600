// Where the countdowns are stored. The first is the program's own and lives in the group
// "Settings", as it always has; every further countdown lives in a group of its own with the same
// key names ("Countdown2", "Countdown3", ...). Which further groups are countdowns, and in which
// order, is recorded in "Settings" by the key "Countdowns": a group not listed there is none, so
// a removed countdown never comes back, even where its group's values could not be removed. A
// store with one countdown holds no list at all.
#pragma once

#include "SettingsStore.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio {

// The further countdowns' groups as the stored list names them, in its order: names that are no
// countdown's group ("Countdown" and a whole number from 2, without leading zeros) are skipped,
// and so are repeats.
std::vector<std::string> countdownGroups(std::string_view storedList);

// Every countdown's group as the store lists them, the first's ("Settings") first.
std::vector<std::string> storedCountdownGroups(SettingsStore& store);

// The list as it is stored: the groups in order, separated by a blank.
std::string countdownListText(std::span<const std::string> groups);

// The group for a new countdown: the first "CountdownN" that is neither listed nor holds values
// (`holdsValues` tells), so that nothing of an earlier countdown comes back with it.
std::string newCountdownGroup(std::span<const std::string> listed,
                              const std::function<bool(std::string_view group)>& holdsValues);

} // namespace tavrio
