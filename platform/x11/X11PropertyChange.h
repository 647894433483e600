// The property change that an event given to a native event filter tells of, or null: the
// property watch and the activations both wait for one.
#pragma once

#include <QByteArray>

#include <xcb/xcb.h>

namespace tavrio {

inline const xcb_property_notify_event_t* propertyChange(const QByteArray& eventType,
                                                         void* message) {
    if (eventType != "xcb_generic_event_t") {
        return nullptr;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) {
        return nullptr;
    }
    return static_cast<const xcb_property_notify_event_t*>(message);
}

} // namespace tavrio
