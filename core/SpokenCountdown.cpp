#include "SpokenCountdown.h"

namespace tavrio {

std::vector<TimePart> partsToSay(std::int64_t remainingSeconds) {
    const std::int64_t seconds = remainingSeconds < 0 ? 0 : remainingSeconds;
    const TimePart all[] = {
        {TimeUnit::Day, seconds / kSecondsPerDay},
        {TimeUnit::Hour, seconds % kSecondsPerDay / 3600},
        {TimeUnit::Minute, seconds % 3600 / 60},
        {TimeUnit::Second, seconds % 60},
    };
    std::vector<TimePart> said;
    for (const TimePart& part : all) {
        if (part.count != 0) {
            said.push_back(part);
        }
    }
    if (said.empty()) {
        said.push_back({TimeUnit::Second, 0});
    }
    return said;
}

bool spokenTextDue(const std::optional<SpokenMoment>& last, const Countdown& countdown,
                   std::int64_t now) {
    if (!last) {
        return true;
    }
    if (last->countdown.state != countdown.state || last->countdown.target != countdown.target) {
        return true;
    }
    if (countdown.state != Countdown::State::Running &&
        countdown.state != Countdown::State::CountingUp) {
        // Nothing in the text counts.
        return false;
    }
    return now - last->at >= kSpokenTextInterval || now < last->at;
}

} // namespace tavrio
