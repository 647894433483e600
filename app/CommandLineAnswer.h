// What the command line asks for besides the windows: the version, the usage, an error, the
// countdown printed (--print), or the running Tavrio ended (--exit), each answered without a
// display; and the target of --target read where the command runs, before anything goes to the
// windows.
#pragma once

#include "CommandLine.h"

#include <QStringList>

#include <optional>

namespace tavrio {

// The exit status.
int answerCommandLine(const CommandLine& commandLine, const QStringList& arguments, int argc,
                      char* argv[]);

// The command line with the text of --target read as the command runs (its language, its
// regional settings, its clock) and replaced by the moment in ISO form, which reads the same in
// the running Tavrio whatever its language. A text without a time keeps the stored target time of
// the first countdown, or midnight for --new. None when the text does not read, which is said on
// standard error.
std::optional<CommandLine> withTargetRead(const CommandLine& commandLine);

} // namespace tavrio
