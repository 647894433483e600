#include "TargetNotice.h"

#include <gtest/gtest.h>

namespace tavrio {
namespace {

constexpr std::int64_t kTarget = 1'000'000;

struct Case {
    const char* name;
    NoticeInput input;
    Notice expected;
};

class NoticeFor : public ::testing::TestWithParam<Case> {};

TEST_P(NoticeFor, AnnouncesEachTargetOnceWhenTheClockPassesIt) {
    EXPECT_EQ(noticeFor(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoticeFor,
    ::testing::Values(Case{"NoTarget",
                           {std::nullopt, kTarget + 5, true, std::nullopt, std::nullopt, true},
                           Notice::None},
                      Case{"StillAhead",
                           {kTarget, kTarget - 1, false, kTarget, std::nullopt, true},
                           Notice::None},
                      Case{"TheTargetSecondItselfIsNotPast",
                           {kTarget, kTarget, false, kTarget, std::nullopt, true},
                           Notice::None},
                      Case{"ClockPassesItWhileRunning",
                           {kTarget, kTarget + 1, false, kTarget, std::nullopt, true},
                           Notice::Announce},
                      Case{"ALateTickStillAnnounces",
                           {kTarget, kTarget + 90, false, kTarget, std::nullopt, true},
                           Notice::Announce},
                      Case{"PassedWhileNotRunning",
                           {kTarget, kTarget + 86400, true, std::nullopt, std::nullopt, true},
                           Notice::Announce},
                      Case{"AlreadyAnnounced",
                           {kTarget, kTarget + 1, false, kTarget, kTarget, true},
                           Notice::None},
                      Case{"AlreadyAnnouncedBeforeARestart",
                           {kTarget, kTarget + 1, true, std::nullopt, kTarget, true},
                           Notice::None},
                      Case{"AnotherTargetWasAnnounced",
                           {kTarget, kTarget + 1, false, kTarget, kTarget - 60, true},
                           Notice::Announce},
                      Case{"SetInThePastByTheUser",
                           {kTarget, kTarget + 1, false, kTarget + 500, std::nullopt, true},
                           Notice::MarkDone},
                      Case{"SetInThePastWithNothingAheadBefore",
                           {kTarget, kTarget + 1, false, std::nullopt, std::nullopt, true},
                           Notice::MarkDone},
                      Case{"NotificationsOff",
                           {kTarget, kTarget + 1, false, kTarget, std::nullopt, false},
                           Notice::MarkDone},
                      Case{"OnlyTheSoundWanted",
                           {kTarget, kTarget + 1, false, kTarget, std::nullopt, false, true},
                           Notice::Announce}),

    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

} // namespace
} // namespace tavrio
