// What the timer window shows and how, as the store holds it: the fifteen keys read in one go,
// each as the key table says (its name, its default when absent, its conversion and range), in
// the table's order. The windows apply the value; they parse nothing themselves.
#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"
#include "SettingsStore.h"
#include "WindowGeometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrio {

// None where the stored text (or the default, for an absent key) does not convert or lies
// outside the key's range: the window keeps what it has.
struct StoredLook {
    std::optional<std::int16_t> borderStyle;
    std::string title;
    std::optional<DateValue> targetDate;
    std::optional<DateValue> targetTime;
    // Always a value: one that does not convert would leave the window invisible and
    // unclickable, with no way back but the settings file, so it falls back to the default,
    // opaque.
    std::uint8_t opacity = 255;
    std::optional<bool> hideBackground;
    std::optional<float> fontSize;
    std::string fontName;
    std::optional<std::int32_t> fontColor;
    std::optional<bool> fontBold;
    std::optional<bool> fontItalic;
    // Left, Top, Width and Height in twips; 0 is stored but not applied (see placedClient).
    StoredGeometry place;
    // The store holds no font size and no window size, not even unreadable ones: nothing about
    // the window's size is the user's choice yet, so the window may be sized to its text.
    bool firstStart = false;
};

// One countdown's look, from its group. `labelFontName` is the label's current face, which an
// absent "FontName" keeps.
StoredLook readStoredLook(SettingsStore& store, std::string_view group,
                          const RegionalSettings& regional, std::string_view labelFontName);

// The border style as both windows read it, within the table's range.
std::optional<std::int16_t> readBorderStyle(SettingsStore& store, std::string_view group,
                                            const RegionalSettings& regional);

} // namespace tavrio
