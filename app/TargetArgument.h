// --target TEXT: the target read from what the user typed on the command line, as the date box
// reads it (a phrase such as "friday 17:00" or "in 25 min", or a date in the regional or ISO
// form), in the language the program speaks, and the moment printed in ISO form for the user and
// for scripts. A text that does not read is an error that names the forms that do.
#pragma once

#include "CommandLine.h"
#include "DateValue.h"

#include <QString>

#include <functional>
#include <optional>

namespace tavrio {

struct TargetArgument {
    DateValue TargetDate; // the day, at midnight
    DateValue TargetTime; // the time of day: the text's own, else the time in force
    QString moment;       // ISO 8601, as printed: 2026-12-11T17:00:00
};

// Reads the text at the present moment. The program's translations must be installed
// (ProgramLanguage) for the words of its language. `timeInForce` is the target time a text that
// names no time keeps (the stored one; midnight for a new countdown). A time alone is no target.
std::optional<TargetArgument> readTargetArgument(const QString& text, DateValue timeInForce);

// The error for a text that does not read, naming the forms that do.
QString unreadableTargetMessage(const QString& text);

// Answers --target (and --title) of `commandLine`: when its text reads, `apply` puts the target
// and the title in force and stores them, and says whether that worked; then the moment goes to
// standard output. Returns the exit status: 0 when applied; 1 when `apply` failed; 2 when the
// text does not read, which is said on standard error, and nothing is applied.
int answerTargetArgument(const CommandLine& commandLine, DateValue timeInForce,
                         const std::function<bool(const TargetArgument&)>& apply);

} // namespace tavrio
