// The notification when the time comes, as the running program drives it: once per target,
// across restarts through the store, and never for a target that was already past when set.
#include "TimeComesNotifier.h"

#include "TestProgram.h"

#include <QString>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tavrio {
namespace {

using test::at;

struct Sent {
    std::string summary;
    std::string body;
};

class TimeComes : public ::testing::Test {
protected:
    test::TestProgram test;
    std::vector<Sent> sent;

    TimeComes() {
        test.store.preset(Key::What, "Launch");
        setTarget(at(2007, 2, 7), at(1899, 12, 30, 18, 0, 5));
    }

    void setTarget(DateValue date, DateValue time) {
        test.countdown.TargetDate = date;
        test.countdown.TargetTime = time;
    }

    TimeComesNotifier notifier() {
        return TimeComesNotifier(test.program, [this](const QString& summary, const QString& body) {
            sent.push_back({summary.toStdString(), body.toStdString()});
        });
    }

    // One tick of the display every second from the clock's reading, ending at the last one.
    void tick(TimeComesNotifier& notifier, int seconds) {
        for (int i = 0; i < seconds; ++i) {
            notifier.check(test.countdown);
            test.clock = test.clock + 1.0 / 86400.0;
        }
    }
};

// When to announce is noticeFor's; here the notifier feeds it the target, the clock and the
// announced target from the store, and acts on its answer.
TEST_F(TimeComes, APassingTargetIsAnnouncedOnceWithItsTitleAlsoAcrossARestart) {
    auto running = notifier();
    tick(running, 12); // 18:00:00 to 18:00:11, the target at 18:00:05
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].summary, "Tavrio To Launch");
    EXPECT_NE(sent[0].body.find("Launch"), std::string::npos);
    EXPECT_TRUE(test.store.stored(Key::tvNotified).has_value());

    auto restarted = notifier();
    tick(restarted, 3);
    EXPECT_EQ(sent.size(), 1u);
}

TEST_F(TimeComes, ATargetPassedWhileNotRunningIsAnnouncedAtStartUp) {
    test.clock = at(2007, 2, 8, 9);
    auto startedLater = notifier();
    tick(startedLater, 3);
    EXPECT_EQ(sent.size(), 1u);
}

TEST_F(TimeComes, ATargetSetInThePastIsOnlyMarkedDone) {
    auto running = notifier();
    tick(running, 2);
    // The user types a date that is already over.
    setTarget(at(2006, 1, 1), at(1899, 12, 30, 12));
    tick(running, 2);
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(test.store.stored(Key::tvNotified).has_value());
    auto restarted = notifier();
    tick(restarted, 2);
    EXPECT_TRUE(sent.empty());
}

TEST_F(TimeComes, TurnedOffSendsNothingButStillMarksTheTarget) {
    auto running = notifier();
    running.setEnabled(false);
    EXPECT_FALSE(running.enabled());
    EXPECT_EQ(test.store.stored(Key::tvNotify), std::optional<std::string>{"False"});
    tick(running, 12);
    EXPECT_TRUE(sent.empty());
    // Turned on again later, the target already passed is not announced after the fact.
    running.setEnabled(true);
    auto restarted = notifier();
    tick(restarted, 2);
    EXPECT_TRUE(sent.empty());
}

} // namespace
} // namespace tavrio
