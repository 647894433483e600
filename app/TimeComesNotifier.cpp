#include "TimeComesNotifier.h"

#include "Conversions.h"
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
    return toBoolean(readSetting(program_.store, Key::tvNotify), program_.regional).value_or(true);
}

void TimeComesNotifier::setEnabled(bool enabled) {
    program_.writer.save(Key::tvNotify, booleanText(enabled));
}

void TimeComesNotifier::check() {
    const SharedValues& shared = program_.shared;
    NoticeInput input;
    input.target = targetMoment(shared.TargetDate, shared.TargetTime);
    input.now = linearSeconds(program_.now());
    input.firstTickOfRun = firstCheck_;
    input.lastTargetAhead = lastTargetAhead_;
    firstCheck_ = false;
    if (input.target && input.now <= *input.target) {
        lastTargetAhead_ = input.target;
        return;
    }
    // Read once, and only once a target has passed, so that neither a running countdown nor a
    // long "Congrats!!!" costs a store access every second.
    if (!announcedTarget_) {
        announcedTarget_ = wholeNumber(readSetting(program_.store, Key::tvNotified));
    }
    input.announcedTarget = *announcedTarget_;
    if (noticeFor(input) == Notice::None) {
        return;
    }
    input.notificationsWanted = enabled();
    const Notice notice = noticeFor(input);
    announcedTarget_ = input.target;
    program_.writer.save(Key::tvNotified, integerText(*input.target));
    if (notice == Notice::Announce) {
        const QString title = QString::fromStdString(readSetting(program_.store, Key::What));
        //: The desktop notification's text when the countdown reaches its target; %1 is the
        //: title the user typed (the event). Its summary is the timer window's caption.
        send_(timerCaption(title),
              QCoreApplication::translate("TimeComesNotifier", "The time has come: %1").arg(title));
    }
}

} // namespace tavrio
