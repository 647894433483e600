#include "SettingsStore.h"

namespace tavrio {

std::string GetSetting(SettingsStore& store, std::string_view appName, std::string_view section,
                       std::string_view key, std::string_view defaultText) {
    return store.read(appName, section, key).value_or(std::string{defaultText});
}

WriteResult SaveSetting(SettingsStore& store, std::string_view appName, std::string_view section,
                        std::string_view key, std::string_view text) {
    return store.write(appName, section, key, text);
}

std::string readSetting(SettingsStore& store, std::string_view group, Key key) {
    return readSetting(store, group, key, keyInfo(key).defaultText.value_or(std::string_view{}));
}

std::string readSetting(SettingsStore& store, std::string_view group, Key key,
                        std::string_view defaultText) {
    return GetSetting(store, kAppName, group, keyName(key), defaultText);
}

} // namespace tavrio
