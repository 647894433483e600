// When the time comes: tells the desktop with a notification naming the countdown's title and
// plays the sound, as the user chose, once per target (or per occurrence of a repeating one), when
// a countdown passes its target while Tavrio runs, or at start-up for a target that passed while it
// did not. Notifications are turned off for every countdown by the stored "tvNotify"; the sound is
// each countdown's own choice. Then a repeating target moves on to its next occurrence, is stored
// and shown in the countdown's settings window; not while that window is open, where the user may
// be changing the target: the timer window counts to the next occurrence all the same, and the
// target moves once the window has closed.
#pragma once

#include "DateValue.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace tavrio {

struct CountdownState;
struct Program;

class TimeComesNotifier {
public:
    // The notification for a countdown, by its group.
    using Send =
        std::function<void(const std::string& group, const QString& summary, const QString& body)>;

    TimeComesNotifier(Program& program, Send send, std::function<void()> playSound);

    // After each refresh of the countdown's display.
    void check(CountdownState& countdown);

    // A countdown removed: a new one made later in its group starts afresh.
    void forget(const std::string& group) { seen_.erase(group); }

    bool enabled() const;
    void setEnabled(bool enabled);

private:
    // What the notifier knows of one countdown.
    struct Seen {
        bool firstCheck = true;
        std::optional<std::int64_t> lastTargetAhead;
        // The stored announced target, once read: only this class writes it.
        std::optional<std::optional<std::int64_t>> announcedTarget;
    };

    void decide(const CountdownState& countdown, Seen& seen, DateValue now);
    void announce(const CountdownState& countdown, bool notify);
    void moveRepeatingTarget(CountdownState& countdown, DateValue now);

    Program& program_;
    Send send_;
    std::function<void()> playSound_;
    // By the countdown's group.
    std::map<std::string, Seen> seen_;
};

} // namespace tavrio
