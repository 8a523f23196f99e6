#pragma once
// Two xcb calls that the tests' own X clients share.
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

// The atom of that name, created if the server has none yet; XCB_ATOM_NONE when the
// connection is broken.
inline xcb_atom_t internAtom(xcb_connection_t* xcb, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(xcb, xcb_intern_atom(xcb, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// Waits until the server has handled every request sent so far.
inline void roundTrip(xcb_connection_t* xcb)
{
    std::free(xcb_get_input_focus_reply(xcb, xcb_get_input_focus(xcb), nullptr));
}
