// Compiled only by the core_has_no_qt_include_path test, which expects this to fail: the core
// must not see Qt's headers.
#include "RemainingTime.h"

#include <QString>

QString probe() {
    return QString::fromStdString(tavrio::remainingTime(0, 0, 0).left);
}
