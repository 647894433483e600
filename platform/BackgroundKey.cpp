#include "BackgroundKey.h"

#include <QBitmap>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

namespace tavrio::BackgroundKey {

namespace {

// Found among the window's children by name: without Q_OBJECT, findChild cannot tell its type.
const QString kKeyerName = QStringLiteral("tavrio-background-key");

class Keyer : public QObject {
public:
    Keyer(QWidget& window, QColor key)
        : QObject(&window)
        , window_(&window)
        , key_(key) {
        setObjectName(kKeyerName);
    }

    void setKey(QColor key) { key_ = key; }

    // Rendering from inside a resize handler flushes pending resizes and can recurse, so the
    // mask is always recomputed from the event loop, once for any number of requests.
    void schedule() {
        if (!scheduled_) {
            scheduled_ = true;
            QTimer::singleShot(0, this, [this] { update(); });
        }
    }

    void update() {
        scheduled_ = false;
        if (window_ == nullptr) {
            return;
        }
        const QRegion region = visibleRegion(*window_, key_);
        if (region != window_->mask()) {
            window_->setMask(region);
        }
    }

private:
    QPointer<QWidget> window_;
    QColor key_;
    bool scheduled_ = false;
};

Keyer* keyerOf(QWidget& window) {
    return static_cast<Keyer*>(window.findChild<QObject*>(kKeyerName, Qt::FindDirectChildrenOnly));
}

} // namespace

void setEnabled(QWidget& window, bool enabled, QColor key) {
    Keyer* keyer = keyerOf(window);
    if (!enabled) {
        delete keyer;
        if (!window.mask().isEmpty()) {
            window.clearMask();
        }
        return;
    }
    if (keyer == nullptr) {
        keyer = new Keyer(window, key);
    }
    keyer->setKey(key);
    keyer->update();
}

void refresh(QWidget& window) {
    if (Keyer* keyer = keyerOf(window)) {
        keyer->schedule();
    }
}

QRegion visibleRegion(QWidget& window, QColor key) {
    QImage image(window.size(), QImage::Format_RGB32);
    image.fill(key);
    // Without IgnoreMask the render is clipped to the mask in place, so the visible part could
    // only ever shrink: text that changes, or grows, would fade out tick by tick.
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::IgnoreMask);
    const QRegion region(QBitmap::fromImage(image.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
    return region.isEmpty() ? QRegion(0, 0, 1, 1) : region;
}

} // namespace tavrio::BackgroundKey
