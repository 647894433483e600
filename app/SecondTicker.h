// A tick just after each second of the wall clock, for a display of whole seconds: it comes one
// millisecond into the new second, so that the display never reads the second that is ending, and
// each tick is armed from the clock anew, so that a late one does not delay the next.
#pragma once

#include <QObject>
#include <QTimer>

namespace tavrio {

class SecondTicker : public QObject {
    Q_OBJECT

public:
    // Ticking from the start.
    explicit SecondTicker(QObject* parent = nullptr);

    // Milliseconds until the next tick; -1 once stopped.
    int remainingTime() const { return timer_.remainingTime(); }
    void stop() { timer_.stop(); }

signals:
    void tick();

private:
    void arm();

    QTimer timer_;
};

} // namespace tavrio
