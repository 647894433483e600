#include "X11CompositorWatch.h"

#include "X11Atoms.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <string>
#include <xcb/xfixes.h>

namespace tavrio {

namespace {

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_window_t rootOf(xcb_connection_t* connection, int screen) {
    xcb_screen_iterator_t roots = xcb_setup_roots_iterator(xcb_get_setup(connection));
    const xcb_window_t first = roots.data->root;
    for (; roots.rem > 0; xcb_screen_next(&roots), --screen) {
        if (screen == 0) {
            return roots.data->root;
        }
    }
    return first;
}

} // namespace

X11CompositorWatch::X11CompositorWatch(xcb_connection_t* connection, int screen) {
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    selection_ = internAtom(connection, name.c_str());
    if (selection_ == XCB_ATOM_NONE) {
        return;
    }
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (xfixes != nullptr && xfixes->present) {
        std::free(xcb_xfixes_query_version_reply(
            connection, xcb_xfixes_query_version(connection, 5, 0), nullptr));
        // Asked before the owner is read, so that no change in between goes unnoticed.
        xcb_xfixes_select_selection_input(
            connection, rootOf(connection, screen), selection_,
            XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        notifyEvent_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
        qGuiApp->installNativeEventFilter(this);
    }
    const ReplyPointer<xcb_get_selection_owner_reply_t> owner{
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection_),
                                      nullptr),
        &std::free};
    running_ = owner && owner->owner != XCB_NONE;
}

void X11CompositorWatch::watch(QObject& owner, std::function<void()> changed) {
    watchers_.add(owner, std::move(changed));
}

bool X11CompositorWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" ||
        (static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7F) != notifyEvent_) {
        return false;
    }
    const auto* notify = static_cast<const xcb_xfixes_selection_notify_event_t*>(message);
    if (notify->selection != selection_) {
        return false;
    }
    const bool running = notify->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER &&
                         notify->owner != XCB_NONE;
    if (running == running_) {
        return false;
    }
    running_ = running;
    watchers_.callLater([](const QObject&) { return true; });
    return false;
}

} // namespace tavrio
