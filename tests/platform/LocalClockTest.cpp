#include "LocalClock.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

namespace tavrio {
namespace {

using namespace std::chrono;

DateValue at(int y, unsigned mo, unsigned d, int h, int mi, int s) {
    return toDateValue(year{y} / mo / d, hours{h} + minutes{mi} + seconds{s}).value();
}

// Rounding would count a second too few for the later half of every second, and at the last
// moment of a year it would even move to the next day.
TEST(LocalClock, DropsTheFractionOfTheSecond) {
    struct Case {
        QTime time;
        DateValue expected;
    };
    const QDate day(2026, 12, 31);
    const Case cases[] = {
        {QTime(12, 0, 0, 900), at(2026, 12, 31, 12, 0, 0)},
        {QTime(0, 0, 0, 500), at(2026, 12, 31, 0, 0, 0)},
        {QTime(23, 59, 59, 999), at(2026, 12, 31, 23, 59, 59)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(localDateValue(QDateTime(day, c.time)), c.expected)
            << c.time.toString(QStringLiteral("HH:mm:ss.zzz")).toStdString();
    }
}

// Helsinki's clock goes from 03:00 to 04:00 at 01:00 UTC on 29 March 2026. Each test runs in a
// process of its own, so the zone set here is the one Qt meets first. Windows takes the local
// zone from its own settings, not from TZ.
#ifndef _WIN32
TEST(LocalPhraseClock, GivesTheReaderTheZonesOffsetsFromUtc) {
    qputenv("TZ", "Europe/Helsinki");
    tzset();
    const PhraseClock clock = localPhraseClock(at(2026, 3, 29, 2, 30, 0));
    const std::int64_t change = linearSeconds(at(2026, 3, 29, 1, 0, 0));
    EXPECT_EQ(clock.now, at(2026, 3, 29, 2, 30, 0));
    EXPECT_EQ(clock.utcOffsetNow, 7200);
    EXPECT_EQ(clock.utcOffsetAt(change - 1), 7200);
    EXPECT_EQ(clock.utcOffsetAt(change), 10800);
}
#endif

} // namespace
} // namespace tavrio
