#include "ConsoleText.h"

#include <windows.h>

namespace tavrio {

namespace {

bool valid(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// A handle the starter gave (a pipe, a file) stays; without one, the console of the program that
// started this one, once, where it has one.
HANDLE handleFor(ConsoleStream stream) {
    static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    const DWORD which = stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    HANDLE handle = GetStdHandle(which);
    if (!valid(handle) && attached) {
        handle =
            CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (valid(handle)) {
            SetStdHandle(which, handle);
        }
    }
    return handle;
}

} // namespace

bool writeLine(ConsoleStream stream, const QString& text) {
    const HANDLE handle = handleFor(stream);
    if (!valid(handle)) {
        return false;
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode) != 0) {
        const QString line = text + u'\n';
        return WriteConsoleW(handle, line.utf16(), static_cast<DWORD>(line.size()), &written,
                             nullptr) != 0;
    }
    // Windows' own line end, as programs write text files there.
    const QByteArray bytes = text.toUtf8() + "\r\n";
    return WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) != 0 &&
           written == static_cast<DWORD>(bytes.size());
}

} // namespace tavrio
