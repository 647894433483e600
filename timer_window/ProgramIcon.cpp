#include "ProgramIcon.h"

namespace tavrio {

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 128}) {
        icon.addFile(QStringLiteral(":/icons/tavrio-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace tavrio
