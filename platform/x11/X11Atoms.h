// The X server's number for an atom's name, shared by the X11 window effects and the compositor
// watch; none where the server gives no answer.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace tavrio {

inline xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply{
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free};
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace tavrio
