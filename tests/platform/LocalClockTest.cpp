#include "LocalClock.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <chrono>

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

} // namespace
} // namespace tavrio
