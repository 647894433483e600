// The stored settings, declared once: name, default, how the text is read and which values are
// taken. Nothing else in the program spells a key name, a default or a range.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavrio {

inline constexpr std::string_view kAppName = "Tavrio";
// The group of the first countdown, which also holds the program's own keys; every further
// countdown has a group of its own with the same key names.
inline constexpr std::string_view kSection = "Settings";

enum class ReadAs { Int16, Int32, Byte, Single, Boolean, Date, Text };

// In the order in which the timer window reads them.
enum class Key {
    BS,
    What,
    tvDate,
    tvTime,
    tvTrans,
    tvHide,
    FontSize,
    FontName,
    FontColor,
    FontBold,
    FontItalic,
    Left,
    Top,
    Width,
    Height,
    // Our own, beyond the fifteen the windows read: the desktop notification when the time comes.
    tvNotify,
    tvNotified,
    // What happens when the time comes, per countdown.
    tvSound,
    tvAfter,
    tvRepeat,
    // Our own, in "Settings": which further countdowns there are.
    Countdowns,
    // The size the countdown comes back to from the timer window's own sizing.
    tvChosenSize,
};

// The whole numbers a key takes where they are fewer than its type holds.
struct WholeRange {
    std::int32_t lowest;
    std::int32_t highest;

    constexpr bool contains(std::int32_t value) const {
        return value >= lowest && value <= highest;
    }
};

struct KeyInfo {
    Key key;
    std::string_view name;
    // What a reader passes when the key is absent; none for "FontName", whose default is the
    // label's current face.
    std::optional<std::string_view> defaultText;
    ReadAs readAs;
    // A value outside is skipped as one that does not convert; none where the type's own range
    // is the key's.
    std::optional<WholeRange> range = std::nullopt;
};

inline constexpr std::array<KeyInfo, 15> kKeys{{
    // The six entries of the border-style list.
    {Key::BS, "BS", "5", ReadAs::Int16, WholeRange{0, 5}},
    {Key::What, "What", "??", ReadAs::Text},
    {Key::tvDate, "tvDate", "0", ReadAs::Date},
    {Key::tvTime, "tvTime", "0", ReadAs::Date},
    {Key::tvTrans, "tvTrans", "255", ReadAs::Byte},
    {Key::tvHide, "tvHide", "False", ReadAs::Boolean},
    {Key::FontSize, "FontSize", "100", ReadAs::Single},
    {Key::FontName, "FontName", std::nullopt, ReadAs::Text},
    {Key::FontColor, "FontColor", "0", ReadAs::Int32},
    {Key::FontBold, "FontBold", "False", ReadAs::Boolean},
    {Key::FontItalic, "FontItalic", "False", ReadAs::Boolean},
    {Key::Left, "Left", "0", ReadAs::Int32},
    {Key::Top, "Top", "0", ReadAs::Int32},
    {Key::Width, "Width", "0", ReadAs::Int32},
    {Key::Height, "Height", "0", ReadAs::Int32},
}};

// Our own keys, beside the fifteen and in the same section: whether the desktop is told when the
// time comes, and the target last announced (whole seconds on the date value's line), so that a
// target is announced once only, also across restarts.
inline constexpr std::array<KeyInfo, 2> kNotificationKeys{{
    {Key::tvNotify, "tvNotify", "True", ReadAs::Boolean},
    {Key::tvNotified, "tvNotified", "", ReadAs::Text},
}};

// Our own keys for what happens when the time comes, per countdown: the sound, what the window
// shows after the target (0 "Congrats!!!", 1 the time since it) and how the target repeats (0
// never, 1 every day, 2 every weekday, 3 every week, 4 every month, 5 every year). Absent, each
// means what the program did before it had the key.
inline constexpr std::array<KeyInfo, 3> kMomentKeys{{
    {Key::tvSound, "tvSound", "False", ReadAs::Boolean},
    {Key::tvAfter, "tvAfter", "0", ReadAs::Int16, WholeRange{0, 1}},
    {Key::tvRepeat, "tvRepeat", "0", ReadAs::Int16, WholeRange{0, 5}},
}};

// Our own key, in "Settings" only: the groups of the countdowns beyond the first, in their order
// (see CountdownGroups). Absent while there is one countdown.
inline constexpr std::array<KeyInfo, 1> kCountdownListKeys{{
    {Key::Countdowns, "Countdowns", "", ReadAs::Text},
}};

// Our own key beside the font: the size last chosen in the font dialog, to which Ctrl+0 in the
// timer window brings the text back after Ctrl with the wheel, Ctrl+Plus or Ctrl+Minus changed
// "FontSize". Written with the first such change, absent until then (the size of the text then
// is the one to come back to).
inline constexpr std::array<KeyInfo, 1> kTextSizeKeys{{
    {Key::tvChosenSize, "tvChosenSize", "", ReadAs::Int16, WholeRange{1, 2048}},
}};

// The settings window's title box starts empty rather than with the caption's "??".
inline constexpr std::string_view kWhatDefaultForTitleBox = "";

// Every key, table after table in the order of the enumeration.
inline constexpr std::array<const KeyInfo*, 5> kKeyTables{
    kKeys.data(), kNotificationKeys.data(), kMomentKeys.data(), kCountdownListKeys.data(),
    kTextSizeKeys.data()};
inline constexpr std::array<std::size_t, 5> kKeyTableSizes{
    kKeys.size(), kNotificationKeys.size(), kMomentKeys.size(), kCountdownListKeys.size(),
    kTextSizeKeys.size()};

// The keys a countdown's group holds: every key but the program's list of countdowns.
inline constexpr auto kCountdownKeys = [] {
    constexpr std::size_t count = [] {
        std::size_t keys = 0;
        for (const std::size_t size : kKeyTableSizes) {
            keys += size;
        }
        return keys;
    }();
    std::array<Key, count - 1> keys{};
    std::size_t next = 0;
    for (std::size_t index = 0; index < count; ++index) {
        if (static_cast<Key>(index) != Key::Countdowns) {
            keys[next++] = static_cast<Key>(index);
        }
    }
    return keys;
}();

constexpr const KeyInfo& keyInfo(Key key) {
    auto index = static_cast<std::size_t>(key);
    std::size_t table = 0;
    while (index >= kKeyTableSizes[table]) {
        index -= kKeyTableSizes[table];
        ++table;
    }
    return kKeyTables[table][index];
}
constexpr std::string_view keyName(Key key) {
    return keyInfo(key).name;
}

// The key of that name, none for a name that is not one of ours.
constexpr std::optional<Key> keyNamed(std::string_view name) {
    for (std::size_t table = 0; table < kKeyTables.size(); ++table) {
        for (std::size_t index = 0; index < kKeyTableSizes[table]; ++index) {
            if (kKeyTables[table][index].name == name) {
                return kKeyTables[table][index].key;
            }
        }
    }
    return std::nullopt;
}

} // namespace tavrio
