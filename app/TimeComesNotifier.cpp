#include "TimeComesNotifier.h"

#include "Conversions.h"
#include "CountdownState.h"
#include "Program.h"
#include "ProgramTexts.h"
#include "RemainingTime.h"
#include "TargetNotice.h"

#include <QCoreApplication>

#include <charconv>

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

TimeComesNotifier::TimeComesNotifier(Program& program, Send send)
    : program_(program)
    , send_(std::move(send)) {}

bool TimeComesNotifier::enabled() const {
    return toBoolean(readSetting(program_.store, kSection, Key::tvNotify), program_.regional)
        .value_or(true);
}

void TimeComesNotifier::setEnabled(bool enabled) {
    program_.writer.save(kSection, Key::tvNotify, booleanText(enabled));
}

void TimeComesNotifier::check(const CountdownState& countdown) {
    Seen& seen = seen_[countdown.group];
    NoticeInput input;
    input.target = targetMoment(countdown.TargetDate, countdown.TargetTime);
    input.now = linearSeconds(program_.now());
    input.firstTickOfRun = seen.firstCheck;
    input.lastTargetAhead = seen.lastTargetAhead;
    seen.firstCheck = false;
    if (input.target && input.now <= *input.target) {
        seen.lastTargetAhead = input.target;
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
    program_.writer.save(countdown.group, Key::tvNotified, integerText(*input.target));
    if (notice == Notice::Announce) {
        const QString title =
            QString::fromStdString(readSetting(program_.store, countdown.group, Key::What));
        //: The desktop notification's text when the countdown reaches its target; %1 is the
        //: title the user typed (the event). Its summary is the timer window's caption.
        send_(timerCaption(title),
              QCoreApplication::translate("TimeComesNotifier", "The time has come: %1").arg(title));
    }
}

} // namespace tavrio
