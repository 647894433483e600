// When the time comes: whether a passed target is announced, by a desktop notification and a
// sound as the user chose. Each target is announced once, also across restarts (the announced
// target is stored), when the clock passes it while the program runs, or at start-up when it
// passed while the program was not running. A clock that jumps changes nothing in this: a target
// passed while the machine slept, or jumped over by a clock set forward or a new time zone, is
// announced once at the next tick; a clock set back before an announced target, which the target
// then passes again, announces nothing more. A repeating target is announced as a one-off one is,
// and then moves on (see movedTargetDate): its next occurrence is a target of its own.
// A target the user sets in the past (or passes through while typing a date) is not announced:
// it is only marked as done, so that no later start announces it either.
#pragma once

#include <cstdint>
#include <optional>

namespace tavrio {

enum class Notice {
    None,     // nothing to do
    Announce, // notify and play the sound as wanted, then remember the target as announced
    MarkDone, // remember the target as announced without notifying
};

struct NoticeInput {
    std::optional<std::int64_t> target; // none when no target is set
    std::int64_t now = 0;               // both in seconds on the same line
    bool firstTickOfRun = false;
    // The target this run last saw still ahead, and the one last announced (stored).
    std::optional<std::int64_t> lastTargetAhead;
    std::optional<std::int64_t> announcedTarget;
    bool notificationsWanted = true;
    bool soundWanted = false;
};

Notice noticeFor(const NoticeInput& input);

} // namespace tavrio
