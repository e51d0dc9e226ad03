#pragma once
// The X connection Qt opened, for the few things the game tells the window manager itself
// because Qt has no call for them (frame hints that match a fixed size, the workspace of a
// modal window). Off X there is no connection, and every caller does nothing.

#include <string_view>
#include <xcb/xcb.h>

namespace veltrane::platform {

// Qt's connection to the X server; null when the game is not on X.
xcb_connection_t* X11Connection();

// The atom of the name on that connection; XCB_ATOM_NONE when the server gives none.
xcb_atom_t InternAtom(xcb_connection_t* connection, std::string_view name);

} // namespace veltrane::platform
