#include "X11PropertyWatch.h"

#include "X11PropertyChange.h"

#include <QGuiApplication>

#include <utility>

namespace tavrio {

void X11PropertyWatch::add(const QWidget& window, std::function<void()> changed) {
    if (watchers_.empty()) {
        qGuiApp->installNativeEventFilter(this);
    }
    watchers_.add(window, std::move(changed));
}

bool X11PropertyWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    const auto* notify = propertyChange(eventType, message);
    if (notify == nullptr || notify->atom != property_) {
        return false;
    }
    // The window's id is read now: re-creating a native window gives it a new one.
    watchers_.callLater(
        [notify](const QWidget& window) { return window.internalWinId() == notify->window; });
    return false;
}

} // namespace tavrio
