// The program's connection to the X server, where there is one, and the atoms it names.
#pragma once

#include <xcb/xcb.h>

namespace platform::qt {

// Qt's own connection; none on any other platform or before the application exists.
xcb_connection_t* x11Connection();

// The atom of that name, interned: a later publisher of the name gets the same one. XCB_ATOM_NONE
// when the server does not answer.
xcb_atom_t internedAtom(xcb_connection_t* connection, const char* name);

}  // namespace platform::qt
