#include "shell/peercredentials.h"

#include <QLocalSocket>

#include <sys/socket.h>
#include <unistd.h>

namespace peercredentials {

bool sameUser(qintptr socketDescriptor)
{
    struct ucred credentials {};
    socklen_t size = sizeof credentials;
    if (socketDescriptor < 0
        || ::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0
        || size != sizeof credentials)
        return false;
    return credentials.uid == ::getuid();
}

bool sameUser(const QLocalSocket &socket)
{
    return sameUser(socket.socketDescriptor());
}

} // namespace peercredentials
