// Text for the command line that started the program: the answers to --help, --version, --print
// and --exit, and what went wrong. On Windows Tavrio is a windowed program, which no console
// waits for or shows the output of: it takes the console of the program that started it (cmd,
// PowerShell) where there is one and writes wide characters to it, which it shows in every
// language; to a pipe or a file it writes UTF-8, whatever the system's code page.
#pragma once

#include <QString>

namespace tavrio {

enum class ConsoleStream { Output, Error };

// Writes `text` and a line end, at once. False when nobody reads any more (a closed pipe, no
// console at all).
bool writeLine(ConsoleStream stream, const QString& text);

} // namespace tavrio
