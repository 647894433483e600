#include "DonationPicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tavrio {

namespace {

// Twice as many pixels from a scale above 1 on (a picture shrunk looks sharper than one grown);
// Qt gives the "@2x" picture its ratio, so that it takes the same room on the screen.
QString pictureFor(qreal scale) {
    return scale > 1 ? QStringLiteral(":/images/donate@2x.png")
                     : QStringLiteral(":/images/donate.png");
}

} // namespace

DonationPicture::DonationPicture(QWidget* parent)
    : QLabel(parent) {
    const QPixmap image(pictureFor(devicePixelRatioF()));
    setPixmap(image);
    setFixedSize(image.deviceIndependentSize().toSize());
    setFrameShape(QFrame::NoFrame);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void DonationPicture::click() {
    emit clicked();
}

void DonationPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// A click completes on release over the picture, as with a button.
void DonationPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

void DonationPicture::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) {
            emit clicked();
        }
        event->accept();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

// A label draws no focus indicator, and keyboard users need to see where Space would click.
void DonationPicture::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

} // namespace tavrio
