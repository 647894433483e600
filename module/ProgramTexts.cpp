#include "ProgramTexts.h"

#include <QCoreApplication>

namespace tavrio {

QString displayText(const RemainingTime& remaining) {
    switch (remaining.state) {
    case Countdown::State::NoTarget:
        //: Shown on the timer window, in a large font, while no target date is set: a
        //: double-click there opens the settings window. Keep it short.
        return QCoreApplication::translate("TimerWindow", "Double Click Me");
    case Countdown::State::Passed:
        //: Shown on the timer window, in a large font, once the target date and time have
        //: passed. Keep it short and cheerful.
        return QCoreApplication::translate("TimerWindow", "Congrats!!!");
    case Countdown::State::Running:
    case Countdown::State::CountingUp:
        break;
    }
    return QString::fromStdString(remaining.left);
}

QString RemainingTimeText(DateValue targetDate, DateValue targetTime, DateValue now) {
    return displayText(remainingTime(targetDate, targetTime, now));
}

QString RemainingTimeText(const Target& target, DateValue now) {
    return displayText(remainingTime(target, now));
}

QString timerCaption(const QString& title) {
    //: The timer window's caption. %1 is the title the user typed, naming the event counted
    //: down to ("Tavrio To Christmas"); "??" while none is set. Tavrio is the program's name.
    return QCoreApplication::translate("TimerWindow", "Tavrio To %1").arg(title);
}

} // namespace tavrio
