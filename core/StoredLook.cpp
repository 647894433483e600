#include "StoredLook.h"

#include "Conversions.h"
#include "SettingKeys.h"

#include <type_traits>
#include <utility>

namespace tavrio {

namespace {

// The stored text as the kind says, none when it does not convert.
template <ReadAs As>
auto convert(std::string_view text, const RegionalSettings& regional) {
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
using ValueOfKey = typename decltype(convert<keyInfo(K).readAs>(
    std::string_view{}, std::declval<const RegionalSettings&>()))::value_type;

struct Group {
    SettingsStore& store;
    std::string_view name;
};

template <typename Value>
struct Read {
    std::optional<Value> value;
    // The key is in the store, whether its text converts or not.
    bool stored = false;
};

// One key, read as the table declares it; `absent` stands in for an absent key's text.
template <Key K>
Read<ValueOfKey<K>> read(const Group& group, const RegionalSettings& regional,
                         std::string_view absent = keyInfo(K).defaultText.value_or("")) {
    constexpr KeyInfo info = keyInfo(K);
    const std::optional<std::string> text = group.store.read(kAppName, group.name, info.name);
    Read<ValueOfKey<K>> result{convert<info.readAs>(text ? *text : absent, regional),
                               text.has_value()};
    if constexpr (std::is_integral_v<ValueOfKey<K>> && info.range.has_value()) {
        if (result.value && !info.range->contains(*result.value)) {
            result.value.reset();
        }
    }
    return result;
}

template <Key K>
ValueOfKey<K> defaultOf(const RegionalSettings& regional) {
    return *convert<keyInfo(K).readAs>(*keyInfo(K).defaultText, regional);
}

} // namespace

// The keys are read in the table's order, the order in which the program has always read them.
StoredLook readStoredLook(SettingsStore& store, std::string_view group,
                          const RegionalSettings& regional, std::string_view labelFontName) {
    const Group from{store, group};
    StoredLook look;
    look.borderStyle = read<Key::BS>(from, regional).value;
    look.title = *read<Key::What>(from, regional).value;
    look.targetDate = read<Key::tvDate>(from, regional).value;
    look.targetTime = read<Key::tvTime>(from, regional).value;
    look.opacity =
        read<Key::tvTrans>(from, regional).value.value_or(defaultOf<Key::tvTrans>(regional));
    look.hideBackground = read<Key::tvHide>(from, regional).value;
    const auto fontSize = read<Key::FontSize>(from, regional);
    look.fontSize = fontSize.value;
    look.fontName = *read<Key::FontName>(from, regional, labelFontName).value;
    look.fontColor = read<Key::FontColor>(from, regional).value;
    look.fontBold = read<Key::FontBold>(from, regional).value;
    look.fontItalic = read<Key::FontItalic>(from, regional).value;
    look.place.left = read<Key::Left>(from, regional).value;
    look.place.top = read<Key::Top>(from, regional).value;
    const auto width = read<Key::Width>(from, regional);
    const auto height = read<Key::Height>(from, regional);
    look.place.width = width.value;
    look.place.height = height.value;
    look.firstStart = !fontSize.stored && !width.stored && !height.stored;
    return look;
}

std::optional<std::int16_t> readBorderStyle(SettingsStore& store, std::string_view group,
                                            const RegionalSettings& regional) {
    return read<Key::BS>(Group{store, group}, regional).value;
}

} // namespace tavrio
