#include "HiddenBackground.h"

#include "WindowEffects.h"

#include <QBitmap>
#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <QtMath>

#include <cmath>

namespace tavrio::HiddenBackground {

namespace {

// Found among the window's children by name: without Q_OBJECT, findChild cannot tell its type.
const QString kHiderName = QStringLiteral("tavrio-hidden-background");

// Set on the window, whose children take it unless they chose otherwise.
void setTextAntialiased(QWidget& window, bool antialiased) {
    const QFont::StyleStrategy strategy = antialiased ? QFont::PreferDefault : QFont::NoAntialias;
    if (window.font().styleStrategy() != strategy) {
        QFont font = window.font();
        font.setStyleStrategy(strategy);
        window.setFont(font);
    }
}

void setBackgroundPainted(QWidget& window, bool painted) {
    if (window.testAttribute(Qt::WA_NoSystemBackground) == painted) {
        window.setAttribute(Qt::WA_NoSystemBackground, !painted);
        window.update();
    }
}

class Hider : public QObject {
public:
    Hider(QWidget& window, QColor key)
        : QObject(&window)
        , window_(&window)
        , key_(key) {
        setObjectName(kHiderName);
        window.installEventFilter(this);
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            child->installEventFilter(this);
        }
        WindowEffects::current().watchCompositing(*this, [this] { follow(); });
    }

    void setKey(QColor key) { key_ = key; }

    // Hides the background the way the desktop allows now.
    void follow() {
        if (window_ == nullptr) {
            return;
        }
        WindowEffects& effects = WindowEffects::current();
        // Where the window system leaves the key colour out itself (Windows' layered windows),
        // it only needs text without blended edges.
        if (effects.setColourKey(*window_, key_)) {
            setBackgroundPainted(*window_, true);
            setTextAntialiased(*window_, false);
            return;
        }
        const bool composited = effects.blendsWithDesktop(*window_);
        // With a compositor the background is not painted at all; without one it is painted in
        // the key colour and cut away.
        setBackgroundPainted(*window_, !composited);
        setTextAntialiased(*window_, composited);
        if (composited_ != composited) {
            composited_ = composited;
            sent_.reset();
            if (composited) {
                effects.setShape(*window_, std::nullopt);
            } else {
                effects.setInputRegion(*window_, std::nullopt);
            }
        }
        reshape();
    }

    void release() {
        if (window_ == nullptr) {
            return;
        }
        WindowEffects& effects = WindowEffects::current();
        effects.setColourKey(*window_, std::nullopt);
        effects.setShape(*window_, std::nullopt);
        effects.setInputRegion(*window_, std::nullopt);
        setTextAntialiased(*window_, true);
        setBackgroundPainted(*window_, true);
    }

    // The window is about to draw what changed in it (a new text, another font): its shape goes
    // out first, so that the new pixels show with it and the work is done before a compositor
    // wakes to draw them. Qt draws what a resize or a showing changes at once, without that
    // request, so those are followed just after.
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::UpdateRequest:
            if (watched == window_) {
                reshape();
            }
            break;
        case QEvent::Move:
            // The window's own place does not change its shape.
            if (watched != window_) {
                schedule();
            }
            break;
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            schedule();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Rendering from inside a resize handler flushes pending resizes and can recurse, so this is
    // done from the event loop, once for any number of changes.
    void schedule() {
        if (!scheduled_) {
            scheduled_ = true;
            QTimer::singleShot(0, this, [this] {
                scheduled_ = false;
                reshape();
            });
        }
    }

    // Gives the window the shape of what its children draw now, if that changed.
    void reshape() {
        if (window_ == nullptr || !composited_) {
            return;
        }
        const QRegion drawn =
            drawnRegion(*window_, *composited_ ? std::nullopt : std::optional<QColor>(key_));
        // The input region is the window's at its size: a new size asks for it again.
        if (sent_ == drawn && sentSize_ == window_->size()) {
            return;
        }
        sent_ = drawn;
        sentSize_ = window_->size();
        if (*composited_) {
            WindowEffects::current().setInputRegion(*window_, drawn);
        } else {
            WindowEffects::current().setShape(*window_, drawn);
        }
    }

    QPointer<QWidget> window_;
    QColor key_;
    std::optional<bool> composited_;
    std::optional<QRegion> sent_;
    QSize sentSize_;
    bool scheduled_ = false;
};

Hider* hiderOf(QWidget& window) {
    return static_cast<Hider*>(window.findChild<QObject*>(kHiderName, Qt::FindDirectChildrenOnly));
}

// The part of the window to render: the children's, where its corner falls on a whole device
// pixel, so that the render lies on the screen's pixel grid; else the whole window.
QRect renderedArea(const QWidget& window) {
    const qreal ratio = window.devicePixelRatioF();
    return ratio == std::floor(ratio) ? window.childrenRect() & window.rect() : window.rect();
}

// The pixels of a 32-bit image whose value is not the given one. (QBitmap::fromImage swaps the
// colours of the mask that createMaskFromColor makes: the pixels of the colour become the bitmap's
// background.)
QRegion pixelsOtherThan(const QImage& image, QRgb value) {
    return QRegion(QBitmap::fromImage(image.createMaskFromColor(value, Qt::MaskInColor)));
}

} // namespace

void setEnabled(QWidget& window, bool enabled, QColor key) {
    Hider* hider = hiderOf(window);
    if (!enabled) {
        if (hider != nullptr) {
            hider->release();
            delete hider;
        }
        return;
    }
    if (hider == nullptr) {
        hider = new Hider(window, key);
    }
    hider->setKey(key);
    hider->follow();
}

QRegion drawnRegion(QWidget& window, std::optional<QColor> key) {
    const QRect area = renderedArea(window);
    if (area.isEmpty()) {
        return {};
    }
    const qreal ratio = window.devicePixelRatioF();
    QImage image(qCeil(area.width() * ratio), qCeil(area.height() * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    // Without IgnoreMask the render would be clipped to the present shape, which could then only
    // ever shrink.
    window.render(&image, QPoint(), QRegion(area), QWidget::DrawChildren | QWidget::IgnoreMask);
    QRegion drawn = pixelsOtherThan(image, 0);
    if (key) {
        drawn &= pixelsOtherThan(image, QColor(key->red(), key->green(), key->blue()).rgba());
    }
    return drawn.translated(qRound(area.x() * ratio), qRound(area.y() * ratio));
}

} // namespace tavrio::HiddenBackground
