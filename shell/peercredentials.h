#pragma once

#include <QtGlobal>

class QLocalSocket;

// Whether the process at the other end of a local socket runs as the same
// user as this one, by the kernel's word (SO_PEERCRED), not the socket
// file's permissions alone.
namespace peercredentials {

bool sameUser(qintptr socketDescriptor);
bool sameUser(const QLocalSocket &socket);

} // namespace peercredentials
