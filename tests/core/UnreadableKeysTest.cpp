#include "UnreadableKeys.h"

#include "MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tavrio {
namespace {

// Only the group asked for counts; a value is unreadable when it does not convert or lies outside
// the key's range; readable values of every kind, and absent keys, are no fault.
TEST(UnreadableKeys, NamesTheGroupsValuesThatDoNotRead) {
    const std::vector<std::pair<Key, const char*>> stored{
        {Key::BS, "6"},          {Key::What, "x"},        {Key::tvDate, "soon"},
        {Key::tvTime, "9:05"},   {Key::tvTrans, "300"},   {Key::tvHide, "True"},
        {Key::FontSize, "12.5"}, {Key::Left, "12px"},     {Key::tvAfter, "2"},
        {Key::tvRepeat, "5"},    {Key::tvChosenSize, "0"}};
    MemorySettingsStore store;
    for (const auto& [key, text] : stored) {
        ASSERT_TRUE(store.write(kAppName, "Countdown2", keyName(key), text).ok());
    }
    ASSERT_TRUE(store.write(kAppName, kSection, keyName(Key::FontSize), "?").ok());

    EXPECT_EQ(unreadableKeys(store, "Countdown2", RegionalSettings::usEnglish()),
              (std::vector<Key>{Key::BS, Key::tvDate, Key::tvTrans, Key::Left, Key::tvAfter,
                                Key::tvChosenSize}));
}

} // namespace
} // namespace tavrio
