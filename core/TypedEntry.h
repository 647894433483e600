// The target date or the target time as one of the settings window's entry boxes sets it.
//
// Every text of the box that reads takes effect at once. A text that does not read brings back
// what was in force when the user began the box's current text, never a reading on the way to it
// ("2/29/2024" while it is edited into an unreadable "2/29/2027"). A new text begins when the user
// comes back to the box or confirms it. Only the user's texts are a change of the user's: a text
// the program puts into the box is read like any other, but leaves that as it was.
#pragma once

#include "DateValue.h"
#include "RegionalSettings.h"

#include <optional>
#include <string_view>

namespace tavrio {

class TypedEntry {
public:
    // What the box's text brings.
    struct Outcome {
        DateValue value; // in force from now on
        bool read;       // the text reads as a date value
    };

    // The user begins a new text, with `inForce` in force.
    void begin(DateValue inForce);

    // The box's text changed to `text`.
    Outcome take(std::string_view text, const RegionalSettings& regional);
    // The box's text changed to one that reads as `read`, or does not read.
    Outcome take(std::optional<DateValue> read);

    // Around a text the program puts into the box; what it leaves in force is where the user's
    // next text begins.
    void startProgramText();
    void endProgramText(DateValue inForce);

    // The user set the value in this window: it is to be stored.
    bool changed() const { return changed_; }

private:
    bool changed_ = false;
    DateValue valueBefore_ = 0;
    bool changedBefore_ = false;
    bool programText_ = false;
};

} // namespace tavrio
