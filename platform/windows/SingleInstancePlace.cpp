#include "SingleInstancePlace.h"

#include <QDir>

#include <windows.h>

namespace tavrio {

// A pipe name of the user's login session: Windows keeps named pipes per machine, and a user
// may be logged in more than once (fast user switching, remote desktop).
QString singleInstanceEndpoint(const QString&) {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return QStringLiteral("tavrio-%1-%2").arg(qEnvironmentVariable("USERNAME")).arg(session);
}

QString singleInstanceLockPath(const QString& endpoint) {
    return QDir::temp().filePath(endpoint + QStringLiteral(".lock"));
}

// The running one may then take the foreground, which Windows otherwise keeps for the program
// the user last worked with: this start.
void letTheRunningInstanceComeForward() {
    AllowSetForegroundWindow(ASFW_ANY);
}

} // namespace tavrio
