// The sound when the time comes, played through a stand-in for libcanberra that records what it
// was asked (tests/e2e/tools/fake-canberra.cpp, first on this test's library path).
#include "TimeComesSound.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace tavrio {
namespace {

class TimeComesSound : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::string log = folder.filePath(QStringLiteral("sound.log")).toStdString();

    TimeComesSound() { setenv("TAVRIO_FAKE_SOUND_LOG", log.c_str(), 1); }
    ~TimeComesSound() override {
        for (const char* name : {"TAVRIO_FAKE_SOUNDS", "TAVRIO_FAKE_SOUND_SERVER",
                                 "TAVRIO_FAKE_OPEN_UNTIL", "TAVRIO_FAKE_SOUND_LOG"}) {
            unsetenv(name);
        }
    }

    std::string asked() const {
        std::ostringstream text;
        text << std::ifstream(log).rdbuf();
        return text.str();
    }

    // What the library was asked, once the sound's thread has ended its context.
    std::string askedInTheEnd() const {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (asked().find("destroy") == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return asked();
    }
};

struct Case {
    const char* name;
    const char* theme;  // the sounds the theme has; null for all
    const char* server; // null, or "absent"
    const char* expected;
};

class Played : public TimeComesSound, public ::testing::WithParamInterface<Case> {};

TEST_P(Played, TheFirstSoundTheThemeHasOrNothing) {
    const Case& c = GetParam();
    if (c.theme != nullptr) {
        setenv("TAVRIO_FAKE_SOUNDS", c.theme, 1);
    }
    if (c.server != nullptr) {
        setenv("TAVRIO_FAKE_SOUND_SERVER", c.server, 1);
    }
    playTimeComesSound();
    EXPECT_EQ(askedInTheEnd(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Played,
    ::testing::Values(
        Case{"TheAlarmClock", nullptr, nullptr, "open\nplay alarm-clock-elapsed\ndestroy\n"},
        Case{"ElseTheBell", "bell", nullptr,
             "open\nmissing alarm-clock-elapsed\nmissing complete\nplay bell\ndestroy\n"},
        Case{"NoneOfThem", "dialog-warning", nullptr,
             "open\nmissing alarm-clock-elapsed\nmissing complete\nmissing bell\ndestroy\n"},
        Case{"NoSoundServer", nullptr, "absent", "open\ndestroy\n"}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST_F(TimeComesSound, TheCallerDoesNotWaitForASlowSoundServer) {
    const std::string answered = folder.filePath(QStringLiteral("answered")).toStdString();
    setenv("TAVRIO_FAKE_OPEN_UNTIL", answered.c_str(), 1);
    playTimeComesSound();
    // Back here while the server has not answered yet.
    EXPECT_EQ(asked(), "");
    std::ofstream{answered};
    EXPECT_EQ(askedInTheEnd(), "open\nplay alarm-clock-elapsed\ndestroy\n");
}

} // namespace
} // namespace tavrio
