#include "UnreadableKeys.h"

#include "KeyRead.h"

namespace tavrio {

namespace {

// Whether `text` reads as the key's table declares it.
bool keyTextReads(Key key, std::string_view text, const RegionalSettings& regional) {
    const KeyInfo& info = keyInfo(key);
    switch (info.readAs) {
    case ReadAs::Int16:
        return keyValue<ReadAs::Int16>(text, info, regional).has_value();
    case ReadAs::Int32:
        return keyValue<ReadAs::Int32>(text, info, regional).has_value();
    case ReadAs::Byte:
        return keyValue<ReadAs::Byte>(text, info, regional).has_value();
    case ReadAs::Single:
        return keyValue<ReadAs::Single>(text, info, regional).has_value();
    case ReadAs::Boolean:
        return keyValue<ReadAs::Boolean>(text, info, regional).has_value();
    case ReadAs::Date:
        return keyValue<ReadAs::Date>(text, info, regional).has_value();
    case ReadAs::Text:
        break;
    }
    return true;
}

} // namespace

std::vector<Key> unreadableKeys(SettingsStore& store, std::string_view group,
                                const RegionalSettings& regional) {
    std::vector<Key> unreadable;
    for (const Key key : kCountdownKeys) {
        const auto text = store.read(kAppName, group, keyName(key));
        if (text && !keyTextReads(key, *text, regional)) {
            unreadable.push_back(key);
        }
    }
    return unreadable;
}

} // namespace tavrio
