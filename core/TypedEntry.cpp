#include "TypedEntry.h"

#include "DateText.h"

namespace tavrio {

void TypedEntry::begin(DateValue inForce) {
    valueBefore_ = inForce;
    changedBefore_ = changed_;
}

TypedEntry::Outcome TypedEntry::take(std::string_view text, const RegionalSettings& regional) {
    return take(readDateText(text, regional));
}

TypedEntry::Outcome TypedEntry::take(std::optional<DateValue> read) {
    if (read) {
        changed_ = changed_ || !programText_;
        return {*read, true};
    }
    if (!programText_) {
        changed_ = changedBefore_;
    }
    return {valueBefore_, false};
}

void TypedEntry::startProgramText() {
    programText_ = true;
}

void TypedEntry::endProgramText(DateValue inForce) {
    programText_ = false;
    begin(inForce);
}

} // namespace tavrio
