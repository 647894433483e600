// Tells the watchers of a window when the window manager sets one of the window's properties, of
// which Qt takes no notice: _NET_FRAME_EXTENTS (nothing else marks the moment: the window manager
// may set it after its last move of the window, or before the window is even mapped), or WM_STATE
// (from then on the window manager manages the window).
#pragma once

#include "WatcherList.h"

#include <QAbstractNativeEventFilter>
#include <QWidget>

#include <functional>
#include <xcb/xcb.h>

namespace tavrio {

class X11PropertyWatch : public QAbstractNativeEventFilter {
public:
    explicit X11PropertyWatch(xcb_atom_t property)
        : property_(property) {}

    void add(const QWidget& window, std::function<void()> changed);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override;

private:
    xcb_atom_t property_;
    WatcherList<const QWidget> watchers_;
};

} // namespace tavrio
