// Where the control socket lives; the library and virtual-mouse-ctl agree on it.
#pragma once

#include <string>

namespace vm {

// VIRTUAL_MOUSE_SOCKET, else $XDG_RUNTIME_DIR/virtual-mouse.sock, else
// /tmp/virtual-mouse-<uid>.sock.
std::string defaultSocketPath();

} // namespace vm
