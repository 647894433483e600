#include "Ink.h"

#include <QImage>
#include <QWidget>

#include <cstdlib>
#include <limits>

namespace tavrio::test {

namespace {

QImage renderedOver(QWidget& widget, Qt::GlobalColor background) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(background);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// How much of each background shows through: 0 where the widget covers the pixel fully, 765
// where it leaves it alone.
int showThrough(QRgb overWhite, QRgb overBlack) {
    return std::abs(qRed(overWhite) - qRed(overBlack)) +
           std::abs(qGreen(overWhite) - qGreen(overBlack)) +
           std::abs(qBlue(overWhite) - qBlue(overBlack));
}

} // namespace

Ink findInk(QWidget& widget) {
    const QImage overWhite = renderedOver(widget, Qt::white);
    const QImage overBlack = renderedOver(widget, Qt::black);
    const QPoint centre = widget.rect().center();

    Ink ink;
    int leastShowThrough = std::numeric_limits<int>::max();
    int nearestBlank = std::numeric_limits<int>::max();
    for (int y = 0; y < overWhite.height(); ++y) {
        for (int x = 0; x < overWhite.width(); ++x) {
            const QRgb white = overWhite.pixel(x, y);
            const QRgb black = overBlack.pixel(x, y);
            const int through = showThrough(white, black);
            if (through < leastShowThrough) {
                leastShowThrough = through;
                ink.inked = QPoint(x, y);
            }
            const int distance = (QPoint(x, y) - centre).manhattanLength();
            if (white == qRgb(255, 255, 255) && black == qRgb(0, 0, 0) && distance < nearestBlank) {
                nearestBlank = distance;
                ink.blank = QPoint(x, y);
            }
        }
    }
    if (leastShowThrough > 765 / 4) {
        ink.inked.reset();
    }
    return ink;
}

} // namespace tavrio::test
