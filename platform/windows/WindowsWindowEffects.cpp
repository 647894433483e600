// The window effects on Windows, where the program's design comes from: a layered window with a
// colour key and an alpha, windows kept out of the taskbar by a hidden owner, and activation that
// Windows lets through. (The topmost band is Qt's: its stay-on-top flag is HWND_TOPMOST.)
#include "NativeWindowEffects.h"
#include "PortableWindowEffects.h"

#include <QColor>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <windows.h>

namespace tavrio {

namespace {

HWND handleOf(const QWidget& window) {
    return reinterpret_cast<HWND>(window.winId());
}

class WindowsWindowEffects : public PortableWindowEffects {
public:
    // A tool window has no taskbar button of its own. Any other window is given an owner that is
    // never shown, as windows without a taskbar button have: an owned window gets no button.
    // The owner is Qt's transient parent, which Qt sets again each time the window is shown.
    void keepOutOfTaskbar(QWidget& window) override {
        window.winId();
        QWindow* handle = window.windowHandle();
        if (handle == nullptr || window.windowType() == Qt::Tool ||
            handle->transientParent() != nullptr) {
            return;
        }
        handle->setTransientParent(owner());
    }

    // Windows hands the foreground only to the program the user works with, or to one it allowed
    // (a later start allows the running one before handing over its request).
    void activate(QWidget& window) override {
        window.activateWindow();
        SetForegroundWindow(handleOf(window));
    }

    // A layered window, as the window's opacity makes it, whose pixels of the key colour the
    // system leaves out and lets clicks through. Qt sets the opacity alone and drops the layered
    // style at full opacity, so this comes after every change of the opacity. On a frameless
    // window Qt drops it again at every repaint unless the opacity is below full: its native
    // window is given one a hair below, which Windows rounds to full.
    bool setColourKey(QWidget& window, const std::optional<QColor>& key) override {
        const HWND handle = handleOf(window);
        keepLayered(window, key.has_value());
        const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
        const auto alpha = BYTE(qRound(window.windowOpacity() * 255));
        if (key) {
            SetWindowLongPtrW(handle, GWL_EXSTYLE, style | WS_EX_LAYERED);
            SetLayeredWindowAttributes(handle, RGB(key->red(), key->green(), key->blue()), alpha,
                                       LWA_COLORKEY | LWA_ALPHA);
        } else if ((style & WS_EX_LAYERED) != 0) {
            SetLayeredWindowAttributes(handle, 0, alpha, LWA_ALPHA);
        }
        return true;
    }

    // Windows gives a window its frame when it makes the window, from its style: a window not
    // made yet is made here, so that its frame is known before it is first shown (Qt's frame
    // geometry is not).
    std::optional<FrameExtents> frameExtents(const QWidget& window) const override {
        const HWND handle = handleOf(window);
        RECT outer{};
        RECT client{};
        POINT origin{0, 0};
        if (!GetWindowRect(handle, &outer) || !GetClientRect(handle, &client) ||
            !ClientToScreen(handle, &origin)) {
            return std::nullopt;
        }
        return FrameExtents{int(origin.x - outer.left), int(origin.y - outer.top),
                            int(outer.right - origin.x - client.right),
                            int(outer.bottom - origin.y - client.bottom)};
    }

private:
    static constexpr qreal kJustBelowFull = 0.999;

    static void keepLayered(QWidget& window, bool keyed) {
        QWindow* const native = window.windowHandle();
        if (native == nullptr || window.windowOpacity() < 1.0) {
            return;
        }
        native->setOpacity(keyed ? kJustBelowFull : 1.0);
    }

    // Never shown; the application takes its native window down when it ends.
    QWindow* owner() {
        if (owner_ == nullptr) {
            owner_ = new QWidget;
            owner_->winId();
        }
        return owner_->windowHandle();
    }

    QPointer<QWidget> owner_;
};

} // namespace

WindowEffects* nativeWindowEffects() {
    // Only Qt's Windows platform gives windows a handle (the offscreen one of the tests does not).
    if (QGuiApplication::platformName() != u"windows") {
        return nullptr;
    }
    static WindowsWindowEffects effects;
    return &effects;
}

} // namespace tavrio
