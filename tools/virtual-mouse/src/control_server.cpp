#include "control_server.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vm {
namespace {

constexpr std::size_t kMaxRequest = 256;
constexpr int kClientTimeoutMs = 1000;

bool fillAddress(const std::string &path, sockaddr_un &addr)
{
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof addr.sun_path)
        return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size());
    return true;
}

// A socket file left by a process that is gone may be replaced; a live one not.
bool someoneServes(const sockaddr_un &addr)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool live = connect(fd, reinterpret_cast<const sockaddr *>(&addr), sizeof addr) == 0;
    close(fd);
    return live;
}

void writeAll(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += std::size_t(n);
    }
}

} // namespace

ControlServer &ControlServer::instance()
{
    static ControlServer *server = new ControlServer; // outlives static destruction at exit
    return *server;
}

bool ControlServer::start(const std::string &path, std::string &error)
{
    std::lock_guard lock(mutex);
    if (listenFd >= 0) {
        if (path == socketPath)
            return true;
        error = "the control socket is already served at " + socketPath;
        return false;
    }
    sockaddr_un addr;
    if (!fillAddress(path, addr)) {
        error = "control socket path too long or empty: " + path;
        return false;
    }
    struct stat st;
    if (lstat(path.c_str(), &st) == 0) {
        if (!S_ISSOCK(st.st_mode)) {
            error = path + " exists and is not a socket";
            return false;
        }
        if (someoneServes(addr)) {
            error = "another virtual mouse already serves " + path;
            return false;
        }
        unlink(path.c_str());
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr *>(&addr), sizeof addr) != 0 || listen(fd, 4) != 0) {
        error = "cannot serve " + path + ": " + std::strerror(errno);
        if (fd >= 0)
            close(fd);
        return false;
    }
    if (pipe2(wakeFds, O_CLOEXEC) != 0) {
        error = std::string("cannot create the wake pipe: ") + std::strerror(errno);
        close(fd);
        unlink(path.c_str());
        return false;
    }
    listenFd = fd;
    ownerPid = int(getpid());
    socketPath = path;
    thread = std::thread([this] { serve(); });
    return true;
}

void ControlServer::stop()
{
    std::lock_guard lock(mutex);
    if (listenFd < 0 || ownerPid != int(getpid()))
        return;
    const char wake = 'x';
    (void)!write(wakeFds[1], &wake, 1);
    if (thread.joinable())
        thread.join();
    close(listenFd);
    close(wakeFds[0]);
    close(wakeFds[1]);
    listenFd = -1;
    wakeFds[0] = wakeFds[1] = -1;
    unlink(socketPath.c_str());
    socketPath.clear();
}

void ControlServer::serve()
{
    for (;;) {
        pollfd fds[2] = {{listenFd, POLLIN, 0}, {wakeFds[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents)
            return;
        if (!(fds[0].revents & POLLIN))
            continue;
        const int client = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        answer(client);
        close(client);
    }
}

void ControlServer::answer(int client)
{
    std::string request;
    char buf[64];
    while (request.size() < kMaxRequest && request.find('\n') == std::string::npos) {
        pollfd p = {client, POLLIN, 0};
        if (poll(&p, 1, kClientTimeoutMs) <= 0)
            break;
        const ssize_t n = recv(client, buf, sizeof buf, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        request.append(buf, std::size_t(n));
    }
    if (request.find('\n') == std::string::npos) {
        writeAll(client, request.size() >= kMaxRequest ? "error: request too long\n" : "error: incomplete request\n");
        return;
    }
    writeAll(client, runControlCommand(request.substr(0, request.find('\n'))));
}

} // namespace vm
