#include "InputTransparency.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace tavrio {

namespace {

// Found among the window's children by name: without Q_OBJECT, findChild cannot tell its type.
const QString kPendingName = QStringLiteral("tavrio-pending-input-transparency");

void setFlagIfChanged(QWindow& window, bool transparent) {
    if (window.flags().testFlag(Qt::WindowTransparentForInput) != transparent) {
        window.setFlag(Qt::WindowTransparentForInput, transparent);
    }
}

// Some window managers ignore an input shape set before the window is mapped (openbox gives its
// frame the clicks then), so the latest request is applied on the first exposure.
class DeferredInputTransparency : public QObject {
public:
    DeferredInputTransparency(QWindow& window, bool transparent, std::function<void()> applied)
        : QObject(&window)
        , window_(&window)
        , transparent_(transparent)
        , applied_(std::move(applied)) {
        setObjectName(kPendingName);
        window.installEventFilter(this);
    }

    void setTransparent(bool transparent, std::function<void()> applied) {
        transparent_ = transparent;
        applied_ = std::move(applied);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Expose && window_->isExposed()) {
            window_->removeEventFilter(this);
            setFlagIfChanged(*window_, transparent_);
            if (applied_) {
                applied_();
            }
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWindow> window_;
    bool transparent_;
    std::function<void()> applied_;
};

} // namespace

void applyInputTransparency(QWidget& widget, bool transparent, std::function<void()> applied) {
    widget.winId();
    QWindow* window = widget.windowHandle();
    auto* pending = static_cast<DeferredInputTransparency*>(
        window->findChild<QObject*>(kPendingName, Qt::FindDirectChildrenOnly));
    if (window->isExposed()) {
        delete pending;
        setFlagIfChanged(*window, transparent);
        if (applied) {
            applied();
        }
    } else if (pending != nullptr) {
        pending->setTransparent(transparent, std::move(applied));
    } else {
        new DeferredInputTransparency(*window, transparent, std::move(applied));
    }
}

} // namespace tavrio
