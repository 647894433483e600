// The one tick every countdown shares.
#include "SecondTicker.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tavrio {
namespace {

// The tick comes once the clock has entered the next second, never in the one that is ending,
// and each tick arms the next for at most a second later. (Only the wall clock's seconds are
// compared: on a virtual machine its milliseconds may move in coarse steps.)
TEST(SecondTicker, ComesJustAfterEachSecond) {
    char name[] = "app_tests";
    char* argv[] = {name, nullptr};
    int argc = 1;
    const QCoreApplication application(argc, argv);
    const qint64 armedIn = QDateTime::currentMSecsSinceEpoch() / 1000;
    const SecondTicker ticker;
    qint64 tickedIn = armedIn;
    QObject::connect(&ticker, &SecondTicker::tick, &ticker,
                     [&tickedIn] { tickedIn = QDateTime::currentMSecsSinceEpoch() / 1000; });

    ASSERT_TRUE(QSignalSpy(&ticker, &SecondTicker::tick).wait(2500));

    EXPECT_GT(tickedIn, armedIn);
    EXPECT_TRUE(ticker.remainingTime() > 0 && ticker.remainingTime() <= 1001);
}

} // namespace
} // namespace tavrio
