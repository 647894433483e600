#include "UnreadableKeys.h"

#include "Conversions.h"

namespace tavrio {

namespace {

bool inRange(const KeyInfo& info, std::int32_t value) {
    return !info.range || info.range->contains(value);
}

} // namespace

bool keyTextReads(Key key, std::string_view text, const RegionalSettings& regional) {
    const KeyInfo& info = keyInfo(key);
    switch (info.readAs) {
    case ReadAs::Int16: {
        const auto value = toInt16(text, regional);
        return value && inRange(info, *value);
    }
    case ReadAs::Int32: {
        const auto value = toInt32(text, regional);
        return value && inRange(info, *value);
    }
    case ReadAs::Byte:
        return toByte(text, regional).has_value();
    case ReadAs::Single:
        return toSingle(text, regional).has_value();
    case ReadAs::Boolean:
        return toBoolean(text, regional).has_value();
    case ReadAs::Date:
        return toDate(text, regional).has_value();
    case ReadAs::Text:
        break;
    }
    return true;
}

std::vector<Key> unreadableKeys(SettingsStore& store, std::string_view group,
                                const RegionalSettings& regional) {
    std::vector<Key> unreadable;
    for (auto index = 0; index < static_cast<int>(Key::Countdowns); ++index) {
        const auto key = static_cast<Key>(index);
        const auto text = store.read(kAppName, group, keyName(key));
        if (text && !keyTextReads(key, *text, regional)) {
            unreadable.push_back(key);
        }
    }
    return unreadable;
}

} // namespace tavrio
