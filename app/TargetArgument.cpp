#include "TargetArgument.h"

#include "ConsoleText.h"
#include "DateText.h"
#include "LocalClock.h"
#include "PhraseVocabularyFromLocale.h"
#include "RegionalSettingsFromLocale.h"
#include "TargetPhrase.h"

#include <QCoreApplication>
#include <QLocale>

namespace tavrio {

namespace {

TargetArgument argumentOf(DateValue date, DateValue time) {
    return {dateValueOf(dayNumber(date), 0), dateValueOf(0, secondOfDay(time)),
            QString::fromStdString(isoMomentText(date, time))};
}

// A date as the date box reads it: with its own time, or the time in force.
std::optional<TargetArgument> readDate(const QString& text, DateValue timeInForce,
                                       const RegionalSettings& regional) {
    const std::string typed = text.toStdString();
    const auto value = readDateText(typed, regional);
    if (!value || dayNumber(*value) == 0) {
        return std::nullopt;
    }
    // A date that names no time of day still reads with one after it.
    const bool namesTime = !readDateText(typed + " 00:00", regional);
    return argumentOf(*value, namesTime ? *value : timeInForce);
}

} // namespace

std::optional<TargetArgument> readTargetArgument(const QString& text, DateValue timeInForce) {
    const RegionalSettings regional = regionalSettingsFrom(QLocale::system());
    if (auto date = readDate(text, timeInForce, regional)) {
        return date;
    }
    const auto phrase = readTargetPhrase(phraseText(text), localPhraseClock(localNow()),
                                         timeInForce, phraseVocabulary());
    if (!phrase) {
        return std::nullopt;
    }
    return argumentOf(phrase->date, phrase->time.value_or(timeInForce));
}

QString unreadableTargetMessage(const QString& text) {
    //: An error on the command line: the text given to --target (%1) is no target. The forms
    //: that are understood follow, with examples in the language of the translation; English
    //: ones are always understood too.
    return QCoreApplication::translate(
               "CommandLine",
               "\"%1\" names no target. Understood are: a date as the date box takes it "
               "(12/24/2026, 2026-12-24); a duration (in 25 min, 1h30, +3d, in 2 weeks); today, "
               "tomorrow, "
               "friday, next friday, 24 dec or december 24 2027, each with a time or not "
               "(17:00, 5pm, at 9, noon, midnight).")
        .arg(text);
}

int answerTargetArgument(const CommandLine& commandLine, DateValue timeInForce,
                         const std::function<bool(const TargetArgument&)>& apply) {
    const QString text = commandLine.target.value_or(QString());
    const auto target = readTargetArgument(text, timeInForce);
    if (!target) {
        writeLine(ConsoleStream::Error, QStringLiteral("tavrio: ") + unreadableTargetMessage(text));
        return 2;
    }
    if (!apply(*target)) {
        return 1;
    }
    writeLine(ConsoleStream::Output, target->moment);
    return 0;
}

} // namespace tavrio
