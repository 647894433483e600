// The stored values of a countdown that do not read: a text that does not convert to the key's
// kind or lies outside its range. The countdown starts without them (each key as if absent) and
// the file keeps them as they were; the program tells the user which they are.
#pragma once

#include "RegionalSettings.h"
#include "SettingKeys.h"
#include "SettingsStore.h"

#include <string_view>
#include <vector>

namespace tavrio {

// The keys of a countdown's group (every key but the program's list of countdowns) whose stored
// text does not read, in the keys' order.
std::vector<Key> unreadableKeys(SettingsStore& store, std::string_view group,
                                const RegionalSettings& regional);

} // namespace tavrio
