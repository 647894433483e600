// --print: the countdown for the stored target, as the timer window would show it (in the same
// language, counting up or to a repeating target's next occurrence as chosen), on standard
// output, without a display and without writing anything. With --watch, a new line just after every
// second.
#pragma once

namespace tavrio {

// Returns the exit code: 0, or 1 when the settings file cannot be read.
int runPrintCommand(bool watch);

} // namespace tavrio
