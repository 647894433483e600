// Tells the desktop when the time comes: a notification naming the title, once per target, when
// the countdown passes the target while Tavrio runs, or at start-up for a target that passed
// while it did not. Turned off by the stored "tvNotify".
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace tavrio {

struct Program;

class TimeComesNotifier {
public:
    using Send = std::function<void(const QString& summary, const QString& body)>;

    TimeComesNotifier(Program& program, Send send);

    // After each refresh of the display.
    void check();

    bool enabled() const;
    void setEnabled(bool enabled);

private:
    Program& program_;
    Send send_;
    bool firstCheck_ = true;
    std::optional<std::int64_t> lastTargetAhead_;
    // The stored announced target, once read: only this class writes it.
    std::optional<std::optional<std::int64_t>> announcedTarget_;
};

} // namespace tavrio
