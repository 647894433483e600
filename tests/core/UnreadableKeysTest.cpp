#include "UnreadableKeys.h"

#include "MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tavrio {
namespace {

const RegionalSettings kUs = RegionalSettings::usEnglish();

// Only the values of the group asked for count; a key the store lacks is no fault; a value is
// unreadable when it does not convert or lies outside the key's range.
TEST(UnreadableKeys, NamesTheGroupsValuesThatDoNotRead) {
    struct Case {
        const char* name;
        std::vector<std::pair<Key, const char*>> stored;
        std::vector<Key> expected;
    };
    const Case cases[] = {
        {"Nothing stored", {}, {}},
        {"Every kind readable",
         {{Key::BS, "3"},
          {Key::What, "x"},
          {Key::tvDate, "2027-03-04 09:05:00"},
          {Key::tvTrans, "128"},
          {Key::tvHide, "True"},
          {Key::FontSize, "12.5"},
          {Key::tvRepeat, "5"}},
         {}},
        {"Out of range and not converting",
         {{Key::BS, "6"},
          {Key::tvTrans, "300"},
          {Key::tvDate, "soon"},
          {Key::tvHide, "maybe"},
          {Key::Left, "12px"},
          {Key::tvAfter, "2"}},
         {Key::BS, Key::tvDate, Key::tvTrans, Key::tvHide, Key::Left, Key::tvAfter}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySettingsStore store;
        for (const auto& [key, text] : c.stored) {
            ASSERT_TRUE(store.write(kAppName, "Countdown2", keyName(key), text).ok());
            ASSERT_TRUE(store.write(kAppName, kSection, keyName(key), "?").ok());
        }
        EXPECT_EQ(unreadableKeys(store, "Countdown2", kUs), c.expected);
    }
}

} // namespace
} // namespace tavrio
