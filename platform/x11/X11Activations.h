// Activates windows with the X server's present time. An application learns that time only from
// an event, so each request first changes a property of the window (by nothing), and the
// activation goes out when the server's notice of that change comes back with its time. Qt's own
// request carries the time of the last event the program saw, which may be long past when the
// request comes from elsewhere (a second start): a window manager that prevents focus stealing
// then only marks the window as wanting attention.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

#include <vector>
#include <xcb/xcb.h>

namespace tavrio {

class X11Activations : public QAbstractNativeEventFilter {
public:
    X11Activations(xcb_connection_t* connection, xcb_atom_t probe, xcb_atom_t activeWindow)
        : connection_(connection)
        , probe_(probe)
        , activeWindow_(activeWindow) {}

    void request(QWidget& widget);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override;

private:
    struct Pending {
        QPointer<QWidget> widget;
        xcb_window_t window;
    };

    void send(xcb_window_t window, xcb_timestamp_t time);

    xcb_connection_t* connection_;
    xcb_atom_t probe_;
    xcb_atom_t activeWindow_;
    bool installed_ = false;
    std::vector<Pending> pending_;
};

} // namespace tavrio
