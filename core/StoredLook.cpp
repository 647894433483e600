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

template <typename Value>
struct Read {
    std::optional<Value> value;
    // The key is in the store, whether its text converts or not.
    bool stored = false;
};

// One key, read as the table declares it; `absent` stands in for an absent key's text.
template <Key K>
Read<ValueOfKey<K>> read(SettingsStore& store, const RegionalSettings& regional,
                         std::string_view absent = keyInfo(K).defaultText.value_or("")) {
    constexpr KeyInfo info = keyInfo(K);
    const std::optional<std::string> text = store.read(kAppName, kSection, info.name);
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
StoredLook readStoredLook(SettingsStore& store, const RegionalSettings& regional,
                          std::string_view labelFontName) {
    StoredLook look;
    look.borderStyle = read<Key::BS>(store, regional).value;
    look.title = *read<Key::What>(store, regional).value;
    look.targetDate = read<Key::tvDate>(store, regional).value;
    look.targetTime = read<Key::tvTime>(store, regional).value;
    look.opacity =
        read<Key::tvTrans>(store, regional).value.value_or(defaultOf<Key::tvTrans>(regional));
    look.hideBackground = read<Key::tvHide>(store, regional).value;
    const auto fontSize = read<Key::FontSize>(store, regional);
    look.fontSize = fontSize.value;
    look.fontName = *read<Key::FontName>(store, regional, labelFontName).value;
    look.fontColor = read<Key::FontColor>(store, regional).value;
    look.fontBold = read<Key::FontBold>(store, regional).value;
    look.fontItalic = read<Key::FontItalic>(store, regional).value;
    look.place.left = read<Key::Left>(store, regional).value;
    look.place.top = read<Key::Top>(store, regional).value;
    const auto width = read<Key::Width>(store, regional);
    const auto height = read<Key::Height>(store, regional);
    look.place.width = width.value;
    look.place.height = height.value;
    look.firstStart = !fontSize.stored && !width.stored && !height.stored;
    return look;
}

std::optional<std::int16_t> readBorderStyle(SettingsStore& store,
                                            const RegionalSettings& regional) {
    return read<Key::BS>(store, regional).value;
}

} // namespace tavrio
