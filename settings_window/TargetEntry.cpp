#include "TargetEntry.h"

#include "DateText.h"
#include "EntryBox.h"
#include "SettingsWriter.h"

namespace tavrio {

TargetEntry::TargetEntry(EntryBox& box, DateValue& target, Key key,
                         const RegionalSettings& regional)
    : box_(box)
    , target_(target)
    , key_(key)
    , regional_(regional) {}

void TargetEntry::begin() {
    entry_.begin(target_);
}

void TargetEntry::take() {
    const QString text = box_.text();
    const TypedEntry::Outcome outcome = entry_.take(text.toStdString(), regional_);
    target_ = outcome.value;
    box_.setUnreadable(!outcome.read && !text.trimmed().isEmpty());
}

void TargetEntry::fill(const std::string& text) {
    entry_.startProgramText();
    // The box's change handler reads it at once.
    box_.setText(QString::fromStdString(text));
    entry_.endProgramText(target_);
}

void TargetEntry::storeIfChanged(SettingsWriter& writer, std::string_view group) const {
    if (entry_.changed()) {
        writer.save(group, key_, storedDateText(target_));
    }
}

} // namespace tavrio
