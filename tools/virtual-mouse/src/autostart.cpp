// Preloaded into a program, the library serves its control socket at once,
// so that virtual-mouse-ctl works as soon as the program runs.
#include "../virtual_mouse.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool controlWanted()
{
    const char *setting = std::getenv("VIRTUAL_MOUSE_SOCKET");
    return !setting || std::strcmp(setting, "off") != 0;
}

// Programs started by a preloaded program inherit the preload; the first
// process keeps the socket and the others stay quiet about it.
__attribute__((constructor)) void startControl()
{
    if (controlWanted() && vm_control_start(nullptr) != 0 && !std::strstr(vm_last_error(), "already serves"))
        std::fprintf(stderr, "virtual-mouse: no control socket: %s\n", vm_last_error());
}

__attribute__((destructor)) void stopControl()
{
    vm_control_stop();
}

} // namespace
