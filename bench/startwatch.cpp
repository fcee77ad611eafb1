// Starts a program and measures, on the monotonic clock from the moment
// before it is started: when the X server maps its 1024 x 640 window
// (MapNotify on the root window), when the program first put a frame on
// screen (noted by the preloaded frame probe), and its peak resident memory
// over the run. The program runs until hold-ms after the map, then gets
// SIGTERM.
//
//   orbex-bench-start <hold-ms> <probe-file> <program> [args...]
//
// Prints one line: "map_ms frame_ms peak_rss_kib cpu_before_map_ms", the last
// being the program's CPU time when it asked for the map.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 640;
constexpr long long kNoMapMs = 30000;

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

bool isMainWindow(xcb_connection_t *c, xcb_window_t window)
{
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> g(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &free);
    return g && g->width == kWidth && g->height == kHeight;
}

struct Note {
    long long ns = -1;
    long long cpuUs = -1;
};

Note probed(const std::string &file, const std::string &what)
{
    std::ifstream in(file);
    std::string name;
    Note note;
    while (in >> name >> note.ns >> note.cpuUs) {
        if (name == what)
            return note;
    }
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s hold-ms probe-file program [args...]\n", argv[0]);
        return 2;
    }
    const long long holdNs = std::atoll(argv[1]) * 1000000LL;
    const std::string probeFile = argv[2];
    std::remove(probeFile.c_str());

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    setenv("BENCH_PROBE_FILE", probeFile.c_str(), 1);
    const long long start = nowNs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    long long mapped = -1;
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (mapped < 0 && nowNs() - start < kNoMapMs * 1000000LL) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "the program ended before its window was mapped\n");
            return 1;
        }
        poll(&pfd, 1, 50);
        while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && mapped < 0) {
                const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
                const long long at = nowNs();
                if (!m->override_redirect && isMainWindow(c, m->window))
                    mapped = at;
            }
            free(e);
        }
    }
    if (mapped < 0) {
        kill(child, SIGKILL);
        std::fprintf(stderr, "no 1024 x 640 window was mapped\n");
        return 1;
    }

    // A program that ends early would show a peak cut short.
    int status = 0;
    rusage usage{};
    while (nowNs() - mapped < holdNs) {
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            std::fprintf(stderr, "the program ended %.0f ms after the map (status %d)\n", (nowNs() - mapped) / 1e6,
                         status);
            return 1;
        }
        usleep(10000);
    }
    kill(child, SIGTERM);
    wait4(child, &status, 0, &usage);
    xcb_disconnect(c);

    const Note frame = probed(probeFile, "frame");
    const Note mapRequest = probed(probeFile, "map");
    std::printf("%.1f %.1f %ld %.1f\n", (mapped - start) / 1e6, frame.ns < 0 ? -1.0 : (frame.ns - start) / 1e6,
                usage.ru_maxrss, mapRequest.cpuUs / 1e3);
    return 0;
}
