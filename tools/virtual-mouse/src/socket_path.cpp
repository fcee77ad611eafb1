#include "socket_path.h"

#include <cstdlib>
#include <unistd.h>

namespace vm {

std::string defaultSocketPath()
{
    if (const char *explicitPath = std::getenv("VIRTUAL_MOUSE_SOCKET"); explicitPath && *explicitPath)
        return explicitPath;
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/virtual-mouse.sock";
    return "/tmp/virtual-mouse-" + std::to_string(getuid()) + ".sock";
}

} // namespace vm
