#include "ProgramIcon.h"

#include <QImageReader>
#include <QPixmap>

namespace tavrio {

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 128}) {
        // Read as PNG outright: a reader left to find the format asks every image format plugin
        // first, which loads them all, and the libraries behind them, at start-up.
        QImageReader reader(QStringLiteral(":/icons/tavrio-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
    }
    return icon;
}

} // namespace tavrio
