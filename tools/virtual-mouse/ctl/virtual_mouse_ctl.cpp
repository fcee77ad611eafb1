// virtual-mouse-ctl: press the virtual mouse's DPI button, pull or plug its
// cable, or print its state, in a program that runs with the virtual mouse.
#include "../src/socket_path.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kUsage = 2;
constexpr int kFailed = 1;

void usage()
{
    std::fprintf(stderr,
                 "usage: virtual-mouse-ctl [--socket PATH] COMMAND [DEVICE]\n"
                 "  press-dpi [N]  press the DPI button of device N (default 0)\n"
                 "  unplug [N]     pull the cable of device N\n"
                 "  plug [N]       plug device N in again\n"
                 "  state          print the state of every device as JSON\n"
                 "  reset          put every device back to its configured state\n"
                 "  fault NAME=VALUE [N]  set a fault of device N (names as in the configuration)\n"
                 "The socket is %s unless --socket or VIRTUAL_MOUSE_SOCKET names another.\n",
                 vm::defaultSocketPath().c_str());
}

} // namespace

int main(int argc, char **argv)
{
    std::string path = vm::defaultSocketPath();
    int arg = 1;
    if (arg < argc && (std::strcmp(argv[arg], "--help") == 0 || std::strcmp(argv[arg], "-h") == 0)) {
        usage();
        return 0;
    }
    if (arg + 1 < argc && std::strcmp(argv[arg], "--socket") == 0) {
        path = argv[arg + 1];
        arg += 2;
    }
    if (arg >= argc || argc - arg > 3) {
        usage();
        return kUsage;
    }
    std::string request = argv[arg];
    for (int i = arg + 1; i < argc; ++i)
        request += std::string(" ") + argv[i];
    if (request.find('\n') != std::string::npos) {
        std::fprintf(stderr, "virtual-mouse-ctl: a command is one line\n");
        return kUsage;
    }
    request += '\n';

    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof addr.sun_path) {
        std::fprintf(stderr, "virtual-mouse-ctl: socket path too long or empty: %s\n", path.c_str());
        return kFailed;
    }
    std::memcpy(addr.sun_path, path.c_str(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || connect(fd, reinterpret_cast<const sockaddr *>(&addr), sizeof addr) != 0) {
        std::fprintf(stderr,
                     "virtual-mouse-ctl: cannot reach %s: %s\n"
                     "(is a program running with the virtual mouse preloaded?)\n",
                     path.c_str(), std::strerror(errno));
        return kFailed;
    }
    if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) != ssize_t(request.size())) {
        std::fprintf(stderr, "virtual-mouse-ctl: cannot send to %s: %s\n", path.c_str(), std::strerror(errno));
        close(fd);
        return kFailed;
    }
    std::string answer;
    char buf[4096];
    for (;;) {
        const ssize_t n = recv(fd, buf, sizeof buf, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        answer.append(buf, std::size_t(n));
    }
    close(fd);
    if (answer.empty()) {
        std::fprintf(stderr, "virtual-mouse-ctl: no answer from %s\n", path.c_str());
        return kFailed;
    }
    const bool failed = answer.rfind("error:", 0) == 0;
    std::fputs(answer.c_str(), failed ? stderr : stdout);
    return failed ? kFailed : 0;
}
