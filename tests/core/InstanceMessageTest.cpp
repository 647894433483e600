#include "InstanceMessage.h"

#include <gtest/gtest.h>

namespace tavrio {
namespace {

using namespace std::string_literals;
using State = ReceivedMessage::State;

struct WireCase {
    const char* name;
    std::vector<std::string> texts;
    std::string wire;
};

class InstanceMessageOnTheWire : public ::testing::TestWithParam<WireCase> {};

TEST_P(InstanceMessageOnTheWire, IsWrittenAndReadInThisForm) {
    EXPECT_EQ(instanceMessage(GetParam().texts), GetParam().wire);
    const ReceivedMessage read = readInstanceMessage(GetParam().wire);
    EXPECT_EQ(read.state, State::Whole);
    EXPECT_EQ(read.texts, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(Table, InstanceMessageOnTheWire,
                         ::testing::Values(WireCase{"NoArguments", {}, "\0\0\0\0"s},
                                           WireCase{"Arguments",
                                                    {"--target", "friday 17:00", ""},
                                                    "\0\0\0\x17--target\0friday 17:00\0\0"s},
                                           WireCase{"LengthOverOneByte",
                                                    {std::string(299, 'x')},
                                                    "\0\0\1\x2c"s + std::string(299, 'x') + '\0'}),
                         [](const ::testing::TestParamInfo<WireCase>& info) {
                             return info.param.name;
                         });

struct ReadCase {
    const char* name;
    std::string received;
    State expected;
};

class InstanceMessageReceived : public ::testing::TestWithParam<ReadCase> {};

TEST_P(InstanceMessageReceived, WaitsForTheRestOrRefusesIt) {
    EXPECT_EQ(readInstanceMessage(GetParam().received).state, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, InstanceMessageReceived,
    ::testing::Values(ReadCase{"Nothing", "", State::Incomplete},
                      ReadCase{"PartOfTheLength", "\0\0\0"s, State::Incomplete},
                      ReadCase{"PartOfTheTexts", "\0\0\0\4ab"s, State::Incomplete},
                      ReadCase{"NotEndedByNul", "\0\0\0\2ab"s, State::Malformed},
                      ReadCase{"FollowedByMore", "\0\0\0\1\0x"s, State::Malformed},
                      ReadCase{"LengthOverTheLimitBeforeTheTexts", "\0\1\0\0"s, State::Malformed},
                      ReadCase{"AtTheLimit",
                               "\0\0\xff\xfc"s + std::string(kInstanceMessageLimit - 5, 'x') + '\0',
                               State::Whole}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(InstanceMessage, RefusesWhatItCannotCarry) {
    EXPECT_EQ(instanceMessage({"a\0b"s}), std::nullopt);
    EXPECT_EQ(instanceMessage({std::string(kInstanceMessageLimit - 4, 'x')}), std::nullopt);
}

} // namespace
} // namespace tavrio
