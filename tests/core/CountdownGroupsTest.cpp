#include "CountdownGroups.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio {
namespace {

using Groups = std::vector<std::string>;

// A hand-edited or damaged list costs the names that are no countdown's group, never the others.
TEST(CountdownGroups, TakesEachCountdownGroupOnceInItsOrder) {
    struct Case {
        const char* stored;
        Groups expected;
    };
    const Case cases[] = {
        {"", {}},
        {"Countdown3 Countdown2", {"Countdown3", "Countdown2"}},
        {"Countdown2  Countdown2 Countdown10", {"Countdown2", "Countdown10"}},
        {"Countdown1 Countdown02 Countdown Settings countdown4 Countdown-5 Countdown7x Countdown7",
         {"Countdown7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(countdownGroups(c.stored), c.expected);
    }
}

TEST(CountdownGroups, ANewGroupIsNeitherListedNorHoldsValues) {
    const std::set<std::string, std::less<>> holding{"Countdown3", "Countdown5"};
    const auto holdsValues = [&](std::string_view group) {
        return holding.contains(group);
    };
    EXPECT_EQ(newCountdownGroup(Groups{}, holdsValues), "Countdown2");
    EXPECT_EQ(newCountdownGroup(Groups{"Settings", "Countdown2", "Countdown4"}, holdsValues),
              "Countdown6");
}

} // namespace
} // namespace tavrio
