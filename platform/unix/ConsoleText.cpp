#include "ConsoleText.h"

#include <cstdio>

namespace tavrio {

// In the encoding of the user's locale, as every program in the terminal writes.
bool writeLine(ConsoleStream stream, const QString& text) {
    std::FILE* const file = stream == ConsoleStream::Output ? stdout : stderr;
    return std::fprintf(file, "%s\n", qPrintable(text)) >= 0 && std::fflush(file) == 0;
}

} // namespace tavrio
