#include "SecondTicker.h"

#include <QDateTime>

namespace tavrio {

SecondTicker::SecondTicker(QObject* parent)
    : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        emit tick();
        arm();
    });
    arm();
}

void SecondTicker::arm() {
    const auto intoSecond = static_cast<int>(QDateTime::currentMSecsSinceEpoch() % 1000);
    timer_.start(1001 - intoSecond);
}

} // namespace tavrio
