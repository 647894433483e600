// When the time comes, as the running program drives it at each tick: the notification and the
// sound once per target or occurrence, across restarts and clocks that jump, and a repeating
// target moved on and stored. When to announce is noticeFor's and where occurrences fall is the
// core's; here the notifier feeds them, remembers and acts on their answers.
#include "TimeComesNotifier.h"

#include "TestProgram.h"

#include <QString>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrio {
namespace {

using test::at;
using enum Repeat;

// A tick that is no clock reading: the program starts again.
constexpr std::int64_t kRestart = LLONG_MIN;
constexpr std::int64_t kDay = 86400;

// How the program stands apart from the clock.
enum class Setup { Plain, NotificationsOff, SettingsWindowOpen };

struct Case {
    const char* name;
    Repeat repeat;
    // The clock at each tick, in seconds from the target, Sunday 31 January 2027 at 09:00.
    std::vector<std::int64_t> ticks;
    // How often the sound played, and the notification came unless turned off.
    int announced;
    // The target date stored at the end; none when none was.
    std::optional<std::string> storedDate;
    Setup setup = Setup::Plain;
};

class TimeComes : public ::testing::Test {
protected:
    test::TestProgram test;
    // Each notification's group, summary and body.
    std::vector<std::vector<std::string>> sent;
    int sounds = 0;

    TimeComesNotifier notifier() {
        return TimeComesNotifier(
            test.program,
            [this](const std::string& group, const QString& summary, const QString& body) {
                sent.push_back({group, summary.toStdString(), body.toStdString()});
            },
            [this] { ++sounds; });
    }
};

class TimeComesAtTicks : public TimeComes, public ::testing::WithParamInterface<Case> {};

TEST_P(TimeComesAtTicks, AnnouncesOnceAndMovesARepeatingTargetOn) {
    const Case& c = GetParam();
    test.store.preset(Key::What, "Launch");
    test.store.preset(Key::tvNotify, c.setup == Setup::NotificationsOff ? "False" : "True");
    test.forms.settingsShown = c.setup == Setup::SettingsWindowOpen;
    test.countdown.TargetDate = at(2027, 1, 31);
    test.countdown.TargetTime = at(1899, 12, 30, 9);
    test.countdown.Moment = {true, AfterTarget::Congrats, c.repeat};
    auto running = std::make_unique<TimeComesNotifier>(notifier());
    for (const std::int64_t tick : c.ticks) {
        if (tick == kRestart) {
            running = std::make_unique<TimeComesNotifier>(notifier());
            continue;
        }
        test.clock = at(2027, 1, 31, 9) + static_cast<double>(tick) / kDay;
        running->check(test.countdown);
    }
    const int notifications = c.setup == Setup::NotificationsOff ? 0 : c.announced;
    ASSERT_EQ(sent.size(), static_cast<std::size_t>(notifications));
    for (const auto& notification : sent) {
        EXPECT_EQ(notification[0] + '|' + notification[1],
                  test.countdown.group + "|Tavrio To Launch");
        EXPECT_NE(notification[2].find("Launch"), std::string::npos);
    }
    EXPECT_EQ(sounds, c.announced);
    EXPECT_EQ(test.store.stored(Key::tvDate), c.storedDate);
    EXPECT_EQ(test.forms.movedTargetsShown > 0, c.storedDate.has_value());
}

using enum Setup;

INSTANTIATE_TEST_SUITE_P(
    Table, TimeComesAtTicks,
    ::testing::Values(
        Case{"WhenTheClockPassesIt", Never, {-2, 0, 1, 2, 90}, 1, {}},
        Case{"NotAgainAfterARestart", Never, {-1, 1, kRestart, 2}, 1, {}},
        Case{"AtStartUpWhenItPassedMeanwhile", Never, {3600}, 1, {}},
        Case{"TheSoundAloneWithNotificationsOff", Never, {-1, 1}, 1, {}, NotificationsOff},
        Case{"AClockSetBackDoesNotAnnounceAgain", Never, {-1, 1, -3600, -1, 1}, 1, {}},
        Case{"AClockSetBackInARepeatsFirstMinute", EveryDay, {-1, 1, -30, 1}, 1, {}},
        Case{"EachOccurrenceIsATargetOfItsOwn",
             EveryDay,
             {-1, 1, 60, kDay - 1, kDay + 1},
             2,
             "2027-02-01"},
        Case{"ASleepOverSeveralOccurrences", EveryDay, {-1, 3 * kDay + 3600}, 1, "2027-02-04"},
        Case{"MissedWhileNotRunning", EveryWeek, {30 * kDay}, 1, "2027-03-07"},
        Case{"NotWhileTheSettingsWindowIsOpen", EveryDay, {-1, 1, 120}, 1, {}, SettingsWindowOpen}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

// A target the user sets in the past (or passes through while typing a date) is only marked done,
// so that no later start announces it either: also one later than the target announced before it.
TEST_F(TimeComes, ATargetSetInThePastIsNotAnnounced) {
    test.countdown.TargetDate = at(2027, 1, 31);
    test.countdown.TargetTime = at(1899, 12, 30, 9);
    auto running = notifier();
    for (const int hour : {8, 11}) {
        test.clock = at(2027, 1, 31, hour);
        running.check(test.countdown);
    }
    test.countdown.TargetTime = at(1899, 12, 30, 10);
    running.check(test.countdown);
    auto restarted = notifier();
    restarted.check(test.countdown);
    EXPECT_EQ(sent.size(), 1U);
}

} // namespace
} // namespace tavrio
