// What the user chose for the moment a countdown reaches its target: a sound, what the timer
// window shows after it, and whether the target repeats. Each choice is off by default, so a
// store without these keys behaves as the program always did.
#pragma once

#include <string_view>

namespace tavrio {

class SettingsStore;
struct RegionalSettings;

// After the target: "Congrats!!!" for good, or the time since the target once its first minute
// (still "Congrats!!!") is over. The numbers are the stored ones.
enum class AfterTarget { Congrats = 0, CountUp = 1 };

// How a target repeats; the numbers are the stored ones.
enum class Repeat {
    Never = 0,
    EveryDay = 1,
    EveryWeekday = 2,
    EveryWeek = 3,
    EveryMonth = 4,
    EveryYear = 5
};

struct MomentChoices {
    bool sound = false;
    AfterTarget after = AfterTarget::Congrats;
    Repeat repeat = Repeat::Never;

    bool operator==(const MomentChoices&) const = default;
};

// The choices as the countdown's group holds them; a key whose text does not convert or lies
// outside its range gives that choice's default. Nothing is written.
MomentChoices readMomentChoices(SettingsStore& store, std::string_view group,
                                const RegionalSettings& regional);

} // namespace tavrio
