#include "X11Activations.h"

#include "X11PropertyChange.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>

namespace tavrio {

void X11Activations::request(QWidget& widget) {
    if (!installed_) {
        qGuiApp->installNativeEventFilter(this);
        installed_ = true;
    }
    const auto window = static_cast<xcb_window_t>(widget.winId());
    pending_.push_back({&widget, window});
    xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window, probe_, XCB_ATOM_INTEGER, 32, 0,
                        nullptr);
}

bool X11Activations::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (pending_.empty()) {
        return false;
    }
    const auto* notify = propertyChange(eventType, message);
    if (notify == nullptr || notify->atom != probe_) {
        return false;
    }
    const auto due = std::find_if(pending_.begin(), pending_.end(),
                                  [&](const Pending& p) { return p.window == notify->window; });
    if (due == pending_.end()) {
        return false;
    }
    const QPointer<QWidget> widget = due->widget;
    pending_.erase(due);
    if (!widget.isNull() && widget->isVisible() &&
        static_cast<xcb_window_t>(widget->winId()) == notify->window) {
        send(notify->window, notify->time);
    }
    return false;
}

void X11Activations::send(xcb_window_t window, xcb_timestamp_t time) {
    const QWindow* focus = QGuiApplication::focusWindow();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = activeWindow_;
    message.data.data32[0] = 1; // from an application
    message.data.data32[1] = time;
    message.data.data32[2] = focus ? static_cast<std::uint32_t>(focus->winId()) : 0;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    xcb_send_event(connection_, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

} // namespace tavrio
