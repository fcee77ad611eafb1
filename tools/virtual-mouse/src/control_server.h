// The control socket: lets a person at the demo press the DPI button or
// pull the cable from another terminal (virtual-mouse-ctl).
#pragma once

#include "socket_path.h"

#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace vm {

// One request line ("press-dpi 0", "unplug 0", "plug 0", "state", "reset")
// and its answer ("ok", the state JSON, or "error: ..."), newline-terminated.
std::string runControlCommand(std::string_view line);

class ControlServer {
public:
    static ControlServer &instance();

    bool start(const std::string &path, std::string &error);
    void stop();

private:
    ControlServer() = default;
    void serve();
    void answer(int client);

    std::mutex mutex;
    std::thread thread;
    std::string socketPath;
    int listenFd = -1;
    int ownerPid = -1; // a forked child must not stop its parent's server
    int wakeFds[2] = {-1, -1};
};

} // namespace vm
