// Reading one stored key as the key table declares it: its name, its default when absent, its
// conversion and its range. A value that does not convert or lies outside the range is no value;
// the stored text stays as it is.
#pragma once

#include "Conversions.h"
#include "SettingKeys.h"
#include "SettingsStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace tavrio {

// The stored text as the kind says, none when it does not convert.
template <ReadAs As>
auto convertKeyText(std::string_view text, const RegionalSettings& regional) {
    if constexpr (As == ReadAs::Int16) {
        return toInt16(text, regional);
    } else if constexpr (As == ReadAs::Int32) {
        return toInt32(text, regional);
    } else if constexpr (As == ReadAs::Byte) {
        return toByte(text, regional);
    } else if constexpr (As == ReadAs::Single) {
        return toSingle(text, regional);
    } else if constexpr (As == ReadAs::Boolean) {
        return toBoolean(text, regional);
    } else if constexpr (As == ReadAs::Date) {
        return toDate(text, regional);
    } else {
        return std::optional<std::string>{text};
    }
}

// The value a key holds, as the table declares its kind.
template <Key K>
using ValueOfKey = typename decltype(convertKeyText<keyInfo(K).readAs>(
    std::string_view{}, std::declval<const RegionalSettings&>()))::value_type;

template <typename Value>
struct KeyRead {
    std::optional<Value> value;
    // The key is in the store, whether its text converts or not.
    bool stored = false;
};

// The text as a value of the kind, within the key's range; none when it does not convert or lies
// outside.
template <ReadAs As>
auto keyValue(std::string_view text, const KeyInfo& info, const RegionalSettings& regional) {
    auto value = convertKeyText<As>(text, regional);
    if constexpr (std::is_integral_v<typename decltype(value)::value_type>) {
        if (value && info.range && !info.range->contains(*value)) {
            value.reset();
        }
    }
    return value;
}

// One key of the group, read as the table declares it; `absent` stands in for an absent key's
// text.
template <Key K>
KeyRead<ValueOfKey<K>> readKey(SettingsStore& store, std::string_view group,
                               const RegionalSettings& regional,
                               std::string_view absent = keyInfo(K).defaultText.value_or("")) {
    constexpr KeyInfo info = keyInfo(K);
    const std::optional<std::string> text = store.read(kAppName, group, info.name);
    return {keyValue<info.readAs>(text ? *text : absent, info, regional), text.has_value()};
}

template <Key K>
ValueOfKey<K> keyDefault(const RegionalSettings& regional) {
    return *convertKeyText<keyInfo(K).readAs>(*keyInfo(K).defaultText, regional);
}

} // namespace tavrio
