// --print: the countdown for the stored target, as the timer window would show it (in the same
// language, counting up or to a repeating target's next occurrence as chosen), on standard
// output, without a display and without writing anything: the first countdown's, or with --all
// one line for each countdown in their order, its title, a tab and its countdown. With --watch,
// the same just after every second.
#pragma once

namespace tavrio {

// Returns the exit code: 0, or 1 when the settings file cannot be read.
int runPrintCommand(bool watch, bool all);

} // namespace tavrio
