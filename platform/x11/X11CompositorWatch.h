// Whether a compositing manager draws an X screen, and word when one starts or stops. A
// compositing manager owns the selection _NET_WM_CM_S<screen> while it runs; the X server tells
// of every new owner (XFixes), so nothing is polled and an idle program is not woken.
#pragma once

#include "WatcherList.h"

#include <QAbstractNativeEventFilter>

#include <functional>
#include <xcb/xcb.h>

namespace tavrio {

class X11CompositorWatch : public QAbstractNativeEventFilter {
public:
    X11CompositorWatch(xcb_connection_t* connection, int screen);

    bool running() const { return running_; }

    // Calls `changed` from the event loop after each start or stop, for as long as owner lives.
    void watch(QObject& owner, std::function<void()> changed);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override;

private:
    xcb_atom_t selection_ = XCB_ATOM_NONE;
    // The number of XFixes' selection-notify event; 0 where the server has no XFixes.
    int notifyEvent_ = 0;
    bool running_ = false;
    WatcherList<QObject> watchers_;
};

} // namespace tavrio
