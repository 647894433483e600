#include "TargetEntry.h"

#include "DateText.h"
#include "EntryBox.h"
#include "PhraseVocabularyFromLocale.h"
#include "SettingsWriter.h"

#include <QSignalBlocker>

namespace tavrio {

struct TargetEntry::Phrases {
    TargetEntry& time;
    std::function<PhraseClock()> clock;
    PhraseVocabulary vocabulary;
    // The time box as it was before a phrase of the current text changed it.
    std::optional<Held> timeBefore;
};

TargetEntry::TargetEntry(EntryBox& box, DateValue& target, Key key,
                         const RegionalSettings& regional)
    : box_(box)
    , target_(target)
    , key_(key)
    , regional_(regional) {}

TargetEntry::~TargetEntry() = default;

void TargetEntry::readPhrases(TargetEntry& time, std::function<PhraseClock()> clock) {
    phrases_.reset(new Phrases{time, std::move(clock), phraseVocabulary(), std::nullopt});
}

void TargetEntry::begin() {
    entry_.begin(target_);
    if (phrases_) {
        phrases_->timeBefore.reset();
    }
}

void TargetEntry::take() {
    const QString text = box_.text();
    std::optional<DateValue> read = readDateText(text.toStdString(), regional_);
    if (!read && phrases_) {
        read = readPhrase(text);
    }
    const TypedEntry::Outcome outcome = entry_.take(read);
    if (!outcome.read && phrases_ && phrases_->timeBefore) {
        phrases_->time.bringBack(*phrases_->timeBefore);
        phrases_->timeBefore.reset();
    }
    target_ = outcome.value;
    box_.setUnreadable(!outcome.read && !text.trimmed().isEmpty());
}

std::optional<DateValue> TargetEntry::readPhrase(const QString& text) {
    Phrases& phrases = *phrases_;
    const auto phrase = readTargetPhrase(phraseText(text), phrases.clock(), phrases.time.target_,
                                         phrases.vocabulary);
    if (!phrase) {
        return std::nullopt;
    }
    if (phrase->time) {
        if (!phrases.timeBefore) {
            phrases.timeBefore = phrases.time.held();
        }
        phrases.time.followPhrase(*phrase->time);
    }
    return phrase->date;
}

void TargetEntry::followPhrase(DateValue time) {
    const QString text = QString::fromStdString(entryTimeTextToTheSecond(time, regional_));
    if (box_.text() == text) {
        take();
    } else {
        // The box's change handler reads it at once.
        box_.setText(text);
    }
}

TargetEntry::Held TargetEntry::held() const {
    return {box_.text(), target_, entry_, box_.unreadable()};
}

void TargetEntry::bringBack(const Held& held) {
    {
        // What the text put in force is brought back with it, not read again.
        const QSignalBlocker quiet(box_);
        box_.setText(held.text);
    }
    target_ = held.target;
    entry_ = held.entry;
    box_.setUnreadable(held.unreadable);
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
