#include "MomentChoices.h"

#include "MemorySettingsStore.h"
#include "RegionalSettings.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

namespace tavrio {

void PrintTo(const MomentChoices& choices, std::ostream* out) {
    *out << "sound " << choices.sound << ", after " << static_cast<int>(choices.after)
         << ", repeat " << static_cast<int>(choices.repeat);
}

namespace {

struct Case {
    const char* name;
    std::map<Key, std::string> stored;
    MomentChoices expected;
};

class ReadMomentChoices : public ::testing::TestWithParam<Case> {};

TEST_P(ReadMomentChoices, GivesTheDefaultForWhatDoesNotRead) {
    MemorySettingsStore store;
    for (const auto& [key, text] : GetParam().stored) {
        ASSERT_TRUE(store.write(kAppName, kSection, keyName(key), text).ok());
    }
    EXPECT_EQ(readMomentChoices(store, kSection, RegionalSettings::usEnglish()),
              GetParam().expected);
}

using enum Key;

INSTANTIATE_TEST_SUITE_P(
    Table, ReadMomentChoices,
    ::testing::Values(Case{"Absent", {}, {}},
                      Case{"AllChosen",
                           {{tvSound, "True"}, {tvAfter, "1"}, {tvRepeat, "5"}},
                           {true, AfterTarget::CountUp, Repeat::EveryYear}},
                      Case{"NumbersAsEveryKeyReadsThem",
                           {{tvSound, "1"}, {tvAfter, " 1 "}, {tvRepeat, "2.0"}},
                           {true, AfterTarget::CountUp, Repeat::EveryWeekday}},
                      Case{"OutOfRange", {{tvAfter, "2"}, {tvRepeat, "-1"}}, {}},
                      Case{"NotNumbers", {{tvSound, "yes"}, {tvAfter, "True"}, {tvRepeat, ""}}, {}},
                      Case{"OnlyTheUnreadableFallsBack",
                           {{tvSound, "maybe"}, {tvAfter, "1"}, {tvRepeat, "weekly"}},
                           {false, AfterTarget::CountUp, Repeat::Never}}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

} // namespace
} // namespace tavrio
