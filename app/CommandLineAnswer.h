// What the command line asks for besides the windows: the version, the usage, an error, the
// countdown printed (--print), or the running Tavrio ended (--exit), each answered without a
// display.
#pragma once

#include "CommandLine.h"

#include <QStringList>

namespace tavrio {

// The exit status.
int answerCommandLine(const CommandLine& commandLine, const QStringList& arguments, int argc,
                      char* argv[]);

} // namespace tavrio
