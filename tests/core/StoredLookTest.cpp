#include "StoredLook.h"

#include "MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tavrio {
namespace {

const RegionalSettings kUs = RegionalSettings::usEnglish();

// Every read, as "application/section/key", in order.
class RecordingStore : public MemorySettingsStore {
public:
    std::vector<std::string> reads;

    std::optional<std::string> read(std::string_view appName, std::string_view section,
                                    std::string_view key) override {
        reads.push_back(std::string{appName} + '/' + std::string{section} + '/' + std::string{key});
        return MemorySettingsStore::read(appName, section, key);
    }
};

StoredLook lookOf(const std::vector<std::pair<Key, const char*>>& stored) {
    MemorySettingsStore store;
    for (const auto& [key, text] : stored) {
        EXPECT_TRUE(store.write(kAppName, kSection, keyName(key), text).ok());
    }
    return readStoredLook(store, kSection, kUs, "Arial");
}

TEST(StoredLook, ReadsTheFifteenKeysOnceEachInTheirOrder) {
    RecordingStore store;
    (void)readStoredLook(store, kSection, kUs, "Arial");
    std::vector<std::string> expected;
    for (const char* key :
         {"BS", "What", "tvDate", "tvTime", "tvTrans", "tvHide", "FontSize", "FontName",
          "FontColor", "FontBold", "FontItalic", "Left", "Top", "Width", "Height"}) {
        expected.push_back(std::string{"Tavrio/Settings/"} + key);
    }
    EXPECT_EQ(store.reads, expected);
}

// A default that does not convert would make a fresh install behave as if its settings were
// damaged; the two dates are the exception, "0" standing for "no target yet".
TEST(StoredLook, AnEmptyStoreGivesEachKeysDefault) {
    for (const RegionalSettings& regional :
         {RegionalSettings::usEnglish(), RegionalSettings::ukEnglish(),
          RegionalSettings::german()}) {
        MemorySettingsStore empty;
        const StoredLook look = readStoredLook(empty, kSection, regional, "Arial");
        EXPECT_EQ(look.borderStyle, std::int16_t{5});
        EXPECT_EQ(look.title, "??");
        EXPECT_EQ(look.targetDate, std::nullopt);
        EXPECT_EQ(look.targetTime, std::nullopt);
        EXPECT_EQ(look.opacity, 255);
        EXPECT_EQ(look.hideBackground, false);
        EXPECT_EQ(look.fontSize, 100.0f);
        EXPECT_EQ(look.fontName, "Arial");
        EXPECT_EQ(look.fontColor, 0);
        EXPECT_EQ(look.fontBold, false);
        EXPECT_EQ(look.fontItalic, false);
        EXPECT_EQ(look.place, (StoredGeometry{0, 0, 0, 0}));
        EXPECT_TRUE(look.firstStart);
    }
}

// The six styles of the list, in both windows; whatever else "BS" holds is skipped.
TEST(StoredLook, TheBorderStyleIsOneOfTheSix) {
    struct Case {
        const char* stored;
        std::optional<std::int16_t> style;
    };
    for (const Case& c :
         {Case{"0", 0}, Case{"5", 5}, Case{"4.5", 4}, Case{"6", std::nullopt},
          Case{"-1", std::nullopt}, Case{"40000", std::nullopt}, Case{"tool", std::nullopt}}) {
        MemorySettingsStore store;
        ASSERT_TRUE(store.write(kAppName, kSection, "BS", c.stored).ok());
        EXPECT_EQ(readStoredLook(store, kSection, kUs, "Arial").borderStyle, c.style) << c.stored;
        EXPECT_EQ(readBorderStyle(store, kSection, kUs), c.style) << c.stored;
    }
}

TEST(StoredLook, AnOpacityThatDoesNotConvertIsOpaque) {
    EXPECT_EQ(lookOf({{Key::tvTrans, "0"}}).opacity, 0);
    EXPECT_EQ(lookOf({{Key::tvTrans, "300"}}).opacity, 255);
    EXPECT_EQ(lookOf({{Key::tvTrans, "-1"}}).opacity, 255);
    EXPECT_EQ(lookOf({{Key::tvTrans, "half"}}).opacity, 255);
}

// A size the user stored, even one that no longer reads, is the user's: only a store with none
// of them is a first start.
TEST(StoredLook, AFirstStartStoresNoSizeAtAll) {
    struct Case {
        std::vector<std::pair<Key, const char*>> stored;
        bool firstStart;
    };
    const Case cases[] = {
        {{{Key::Left, "1500"}, {Key::Top, "1200"}, {Key::FontName, "Arial"}}, true},
        {{{Key::FontSize, "12"}}, false},
        {{{Key::FontSize, "big"}}, false},
        {{{Key::Width, "wide"}}, false},
        {{{Key::Height, ""}}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lookOf(c.stored).firstStart, c.firstStart) << keyName(c.stored.front().first);
    }
}

} // namespace
} // namespace tavrio
