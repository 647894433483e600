#include "StoredLook.h"

#include "KeyRead.h"

namespace tavrio {

// The keys are read in the table's order, the order in which the program has always read them.
StoredLook readStoredLook(SettingsStore& store, const RegionalSettings& regional,
                          std::string_view labelFontName) {
    StoredLook look;
    look.borderStyle = readKey<Key::BS>(store, regional).value;
    look.title = *readKey<Key::What>(store, regional).value;
    look.targetDate = readKey<Key::tvDate>(store, regional).value;
    look.targetTime = readKey<Key::tvTime>(store, regional).value;
    look.opacity =
        readKey<Key::tvTrans>(store, regional).value.value_or(keyDefault<Key::tvTrans>(regional));
    look.hideBackground = readKey<Key::tvHide>(store, regional).value;
    const auto fontSize = readKey<Key::FontSize>(store, regional);
    look.fontSize = fontSize.value;
    look.fontName = *readKey<Key::FontName>(store, regional, labelFontName).value;
    look.fontColor = readKey<Key::FontColor>(store, regional).value;
    look.fontBold = readKey<Key::FontBold>(store, regional).value;
    look.fontItalic = readKey<Key::FontItalic>(store, regional).value;
    look.place.left = readKey<Key::Left>(store, regional).value;
    look.place.top = readKey<Key::Top>(store, regional).value;
    const auto width = readKey<Key::Width>(store, regional);
    const auto height = readKey<Key::Height>(store, regional);
    look.place.width = width.value;
    look.place.height = height.value;
    look.firstStart = !fontSize.stored && !width.stored && !height.stored;
    return look;
}

std::optional<std::int16_t> readBorderStyle(SettingsStore& store,
                                            const RegionalSettings& regional) {
    return readKey<Key::BS>(store, regional).value;
}

} // namespace tavrio
