#include "SettingsStore.h"

#include "MemorySettingsStore.h"
#include "SettingKeys.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio {
namespace {

TEST(GetSetting, GivesTheDefaultWhenAnyPartIsAbsent) {
    MemorySettingsStore store;
    ASSERT_TRUE(SaveSetting(store, "Tavrio", "Settings", "BS", "7").ok());

    EXPECT_EQ(GetSetting(store, "Tavrio", "Settings", "BS", "5"), "7");
    EXPECT_EQ(GetSetting(store, "Other", "Settings", "BS", "5"), "5");
    EXPECT_EQ(GetSetting(store, "Tavrio", "Other", "BS", "5"), "5");
    EXPECT_EQ(GetSetting(store, "Tavrio", "Settings", "Top", "5"), "5");
}

TEST(GetSetting, AStoredEmptyTextIsNotAbsent) {
    MemorySettingsStore store;
    ASSERT_TRUE(SaveSetting(store, "Tavrio", "Settings", "What", "").ok());
    EXPECT_EQ(GetSetting(store, "Tavrio", "Settings", "What", "??"), "");
}

TEST(SaveSetting, ReplacesTheEarlierValueOnly) {
    MemorySettingsStore store;
    ASSERT_TRUE(SaveSetting(store, "Tavrio", "Settings", "Left", "10").ok());
    ASSERT_TRUE(SaveSetting(store, "Tavrio", "Settings", "Top", "20").ok());
    ASSERT_TRUE(SaveSetting(store, "Tavrio", "Settings", "Left", "30").ok());

    EXPECT_EQ(GetSetting(store, "Tavrio", "Settings", "Left", ""), "30");
    EXPECT_EQ(GetSetting(store, "Tavrio", "Settings", "Top", ""), "20");
}

TEST(ReadSetting, UsesTheGroupGivenAndTheDeclaredDefault) {
    MemorySettingsStore store;
    EXPECT_EQ(readSetting(store, kSection, Key::BS), "5");
    EXPECT_EQ(readSetting(store, kSection, Key::What), "??");
    EXPECT_EQ(readSetting(store, kSection, Key::FontName), "");
    EXPECT_EQ(readSetting(store, kSection, Key::What, kWhatDefaultForTitleBox), "");

    ASSERT_TRUE(store.write("Tavrio", "Settings", "FontColor", "255").ok());
    EXPECT_EQ(readSetting(store, kSection, Key::FontColor), "255");
    EXPECT_EQ(readSetting(store, kSection, Key::FontColor, "0"), "255");

    ASSERT_TRUE(store.write("Tavrio", "Countdown2", "What", "Exam").ok());
    EXPECT_EQ(readSetting(store, "Countdown2", Key::What), "Exam");
    EXPECT_EQ(readSetting(store, kSection, Key::What), "??");
}

// The names and defaults are what existing settings files contain and what a fresh install
// starts from, so a renamed, reordered or retyped key loses or misreads the user's settings.
TEST(KeyTable, ListsTheKeysInReadOrder) {
    struct Row {
        std::string_view name;
        std::optional<std::string_view> defaultText;
        ReadAs readAs;
    };
    const Row expected[] = {
        {"BS", "5", ReadAs::Int16},
        {"What", "??", ReadAs::Text},
        {"tvDate", "0", ReadAs::Date},
        {"tvTime", "0", ReadAs::Date},
        {"tvTrans", "255", ReadAs::Byte},
        {"tvHide", "False", ReadAs::Boolean},
        {"FontSize", "100", ReadAs::Single},
        {"FontName", std::nullopt, ReadAs::Text},
        {"FontColor", "0", ReadAs::Int32},
        {"FontBold", "False", ReadAs::Boolean},
        {"FontItalic", "False", ReadAs::Boolean},
        {"Left", "0", ReadAs::Int32},
        {"Top", "0", ReadAs::Int32},
        {"Width", "0", ReadAs::Int32},
        {"Height", "0", ReadAs::Int32},
    };
    ASSERT_EQ(kKeys.size(), std::size(expected));
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        SCOPED_TRACE(std::string{expected[i].name});
        EXPECT_EQ(kKeys[i].name, expected[i].name);
        EXPECT_EQ(kKeys[i].defaultText, expected[i].defaultText);
        EXPECT_EQ(kKeys[i].readAs, expected[i].readAs);
        EXPECT_EQ(static_cast<std::size_t>(kKeys[i].key), i);
        EXPECT_EQ(keyName(kKeys[i].key), kKeys[i].name);
        EXPECT_EQ(keyNamed(kKeys[i].name), kKeys[i].key);
        EXPECT_TRUE(seen.insert(kKeys[i].name).second) << "named twice";
    }
    // Our own keys follow the fifteen: each found under its own key, none named like another.
    std::vector<KeyInfo> ours(kNotificationKeys.begin(), kNotificationKeys.end());
    ours.insert(ours.end(), kMomentKeys.begin(), kMomentKeys.end());
    for (const KeyInfo& info : ours) {
        SCOPED_TRACE(std::string{info.name});
        EXPECT_EQ(keyInfo(info.key).name, info.name);
        EXPECT_EQ(keyNamed(info.name), info.key);
        EXPECT_TRUE(seen.insert(info.name).second) << "named twice";
    }
    EXPECT_EQ(keyNamed("what"), std::nullopt);
    EXPECT_EQ(keyInfo(Key::tvNotify).defaultText, "True");
    // Absent, the moment's keys mean what the program did before them.
    EXPECT_EQ(keyInfo(Key::tvSound).defaultText, "False");
    EXPECT_EQ(keyInfo(Key::tvAfter).defaultText, "0");
    EXPECT_EQ(keyInfo(Key::tvRepeat).defaultText, "0");
    EXPECT_EQ(kAppName, "Tavrio");
    EXPECT_EQ(kSection, "Settings");
}

} // namespace
} // namespace tavrio
