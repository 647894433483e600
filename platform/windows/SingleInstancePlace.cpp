#include "SingleInstancePlace.h"

#include <QString>

#include <windows.h>

namespace tavrio {

// A pipe name of the user's login session: Windows keeps named pipes per machine, and a user
// may be logged in more than once (fast user switching, remote desktop).
QString singleInstanceEndpoint(const QString&) {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return QStringLiteral("tavrio-%1-%2").arg(qEnvironmentVariable("USERNAME")).arg(session);
}

} // namespace tavrio
