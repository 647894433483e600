// Tells the desktop when the time comes: a notification naming the countdown's title, once per
// target, when a countdown passes its target while Tavrio runs, or at start-up for a target that
// passed while it did not. Turned off for every countdown by the stored "tvNotify".
#pragma once

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
    using Send = std::function<void(const QString& summary, const QString& body)>;

    TimeComesNotifier(Program& program, Send send);

    // After each refresh of the countdown's display.
    void check(const CountdownState& countdown);

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

    Program& program_;
    Send send_;
    // By the countdown's group.
    std::map<std::string, Seen> seen_;
};

} // namespace tavrio
