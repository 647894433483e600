#include "UnreadableKeys.h"

#include "KeyRead.h"

#include <type_traits>

namespace tavrio {

namespace {

// As readKey reads a key's text: converted as the table declares, a whole number within its range.
template <ReadAs As>
bool reads(const KeyInfo& info, std::string_view text, const RegionalSettings& regional) {
    const auto value = convertKeyText<As>(text, regional);
    if constexpr (std::is_integral_v<typename decltype(value)::value_type>) {
        return value && (!info.range || info.range->contains(*value));
    }
    return value.has_value();
}

} // namespace

bool keyTextReads(Key key, std::string_view text, const RegionalSettings& regional) {
    const KeyInfo& info = keyInfo(key);
    switch (info.readAs) {
    case ReadAs::Int16:
        return reads<ReadAs::Int16>(info, text, regional);
    case ReadAs::Int32:
        return reads<ReadAs::Int32>(info, text, regional);
    case ReadAs::Byte:
        return reads<ReadAs::Byte>(info, text, regional);
    case ReadAs::Single:
        return reads<ReadAs::Single>(info, text, regional);
    case ReadAs::Boolean:
        return reads<ReadAs::Boolean>(info, text, regional);
    case ReadAs::Date:
        return reads<ReadAs::Date>(info, text, regional);
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
