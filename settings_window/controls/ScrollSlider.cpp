#include "ScrollSlider.h"

namespace tavrio {

ScrollSlider::ScrollSlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent) {
    setTracking(true);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (userInput_) {
            emit Scroll();
        }
    });
}

template <typename Handler>
void ScrollSlider::asUser(Handler&& handler) {
    const bool outer = userInput_;
    userInput_ = true;
    handler();
    userInput_ = outer;
}

void ScrollSlider::mousePressEvent(QMouseEvent* event) {
    asUser([&] { QSlider::mousePressEvent(event); });
}

void ScrollSlider::mouseMoveEvent(QMouseEvent* event) {
    asUser([&] { QSlider::mouseMoveEvent(event); });
}

void ScrollSlider::mouseReleaseEvent(QMouseEvent* event) {
    asUser([&] { QSlider::mouseReleaseEvent(event); });
}

void ScrollSlider::keyPressEvent(QKeyEvent* event) {
    asUser([&] { QSlider::keyPressEvent(event); });
}

void ScrollSlider::timerEvent(QTimerEvent* event) {
    asUser([&] { QSlider::timerEvent(event); });
}

#if QT_CONFIG(wheelevent)
void ScrollSlider::wheelEvent(QWheelEvent* event) {
    asUser([&] { QSlider::wheelEvent(event); });
}
#endif

} // namespace tavrio
