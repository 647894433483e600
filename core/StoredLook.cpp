#include "StoredLook.h"

#include "KeyRead.h"

namespace tavrio {

// The keys are read in the table's order, the order in which the program has always read them.
StoredLook readStoredLook(SettingsStore& store, std::string_view group,
                          const RegionalSettings& regional, std::string_view labelFontName) {
    StoredLook look;
    look.borderStyle = readKey<Key::BS>(store, group, regional).value;
    look.title = *readKey<Key::What>(store, group, regional).value;
    look.targetDate = readKey<Key::tvDate>(store, group, regional).value;
    look.targetTime = readKey<Key::tvTime>(store, group, regional).value;
    look.opacity = readKey<Key::tvTrans>(store, group, regional)
                       .value.value_or(keyDefault<Key::tvTrans>(regional));
    look.hideBackground = readKey<Key::tvHide>(store, group, regional).value;
    const auto fontSize = readKey<Key::FontSize>(store, group, regional);
    look.fontSize = fontSize.value;
    look.fontName = *readKey<Key::FontName>(store, group, regional, labelFontName).value;
    look.fontColor = readKey<Key::FontColor>(store, group, regional).value;
    look.fontBold = readKey<Key::FontBold>(store, group, regional).value;
    look.fontItalic = readKey<Key::FontItalic>(store, group, regional).value;
    look.place.left = readKey<Key::Left>(store, group, regional).value;
    look.place.top = readKey<Key::Top>(store, group, regional).value;
    const auto width = readKey<Key::Width>(store, group, regional);
    const auto height = readKey<Key::Height>(store, group, regional);
    look.place.width = width.value;
    look.place.height = height.value;
    look.firstStart = !fontSize.stored && !width.stored && !height.stored;
    return look;
}

std::optional<std::int16_t> readBorderStyle(SettingsStore& store, std::string_view group,
                                            const RegionalSettings& regional) {
    return readKey<Key::BS>(store, group, regional).value;
}

} // namespace tavrio
