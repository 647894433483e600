#include "TimeComesNotifier.h"

#include "Conversions.h"
#include "CountdownState.h"
#include "DateText.h"
#include "Forms.h"
#include "Program.h"
#include "ProgramTexts.h"
#include "RemainingTime.h"
#include "TargetNotice.h"

#include <QCoreApplication>

#include <charconv>
#include <utility>

namespace tavrio {

namespace {

std::optional<std::int64_t> wholeNumber(const std::string& text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

TimeComesNotifier::TimeComesNotifier(Program& program, Send send, std::function<void()> playSound)
    : program_(program)
    , send_(std::move(send))
    , playSound_(std::move(playSound)) {}

bool TimeComesNotifier::enabled() const {
    return toBoolean(readSetting(program_.store, kSection, Key::tvNotify), program_.regional)
        .value_or(true);
}

void TimeComesNotifier::setEnabled(bool enabled) {
    program_.writer.save(kSection, Key::tvNotify, booleanText(enabled));
}

// One reading of the clock for all of it: the notice first, about what the clock has reached, then
// what is ahead, then the move, which the notice must not miss.
void TimeComesNotifier::check(CountdownState& countdown) {
    Seen& seen = seen_[countdown.group];
    const DateValue now = program_.now();
    decide(countdown, seen, now);
    if (const Countdown shown = countdownAt(countdown.target(), now);
        shown.state == Countdown::State::Running) {
        seen.lastTargetAhead = shown.target;
    }
    moveRepeatingTarget(countdown, now);
}

void TimeComesNotifier::decide(const CountdownState& countdown, Seen& seen, DateValue now) {
    NoticeInput input;
    input.target = noticedMoment(countdown.target(), now);
    input.now = linearSeconds(now);
    input.firstTickOfRun = std::exchange(seen.firstCheck, false);
    input.lastTargetAhead = seen.lastTargetAhead;
    input.soundWanted = countdown.Moment.sound;
    if (!input.target || input.now <= *input.target) {
        return;
    }
    // Read once, and only once a target has passed, so that neither a running countdown nor a
    // long "Congrats!!!" costs a store access every second.
    if (!seen.announcedTarget) {
        seen.announcedTarget =
            wholeNumber(readSetting(program_.store, countdown.group, Key::tvNotified));
    }
    input.announcedTarget = *seen.announcedTarget;
    if (noticeFor(input) == Notice::None) {
        return;
    }
    input.notificationsWanted = enabled();
    const Notice notice = noticeFor(input);
    seen.announcedTarget = input.target;
    seen.lastTargetAhead.reset();
    program_.writer.save(countdown.group, Key::tvNotified, integerText(*input.target));
    if (notice == Notice::Announce) {
        announce(countdown, input.notificationsWanted);
    }
}

void TimeComesNotifier::announce(const CountdownState& countdown, bool notify) {
    if (notify) {
        const QString title =
            QString::fromStdString(readSetting(program_.store, countdown.group, Key::What));
        //: The desktop notification's text when the countdown reaches its target; %1 is the
        //: title the user typed (the event). Its summary is the timer window's caption.
        send_(countdown.group, timerCaption(title),
              QCoreApplication::translate("TimeComesNotifier", "The time has come: %1").arg(title));
    }
    if (countdown.Moment.sound) {
        playSound_();
    }
}

void TimeComesNotifier::moveRepeatingTarget(CountdownState& countdown, DateValue now) {
    const auto moved = movedTargetDate(countdown.target(), now);
    if (!moved || program_.forms->settingsWindowShown(countdown)) {
        return;
    }
    countdown.TargetDate = *moved;
    program_.writer.save(countdown.group, Key::tvDate, storedDateText(*moved));
    program_.forms->showMovedTarget(countdown);
}

} // namespace tavrio
