// Preloaded into a program under measurement: notes on the monotonic clock
// when the program first asks the X server to map a window and when it first
// puts a frame on screen (a backing store flush or a buffer swap), in the
// file named by BENCH_PROBE_FILE. Every call goes on to the real function.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static int g_mapped;
static int g_drawn;

// One line: what, the monotonic clock (ns), the process's CPU time so far (us).
static void note(const char *what, int *done)
{
    if (*done)
        return;
    *done = 1;
    const char *path = getenv("BENCH_PROBE_FILE");
    if (!path)
        return;
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    const long long cpu = (long long)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL
                          + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    char line[96];
    int n = snprintf(line, sizeof line, "%s %lld %lld\n", what, (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec, cpu);
    int fd = open(path, O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd >= 0) {
        if (write(fd, line, (size_t)n) < 0) { }
        close(fd);
    }
}

static void frame(void)
{
    if (g_mapped)
        note("frame", &g_drawn);
}

// The real function. A library the platform plugin brought in privately
// (xcb-shm, GL) is not in the global scope RTLD_NEXT searches; it is found
// there where it is loaded already.
static void *realSymbol(const char *name, const char *library)
{
    void *symbol = dlsym(RTLD_NEXT, name);
    if (!symbol && library) {
        void *handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
        if (handle) {
            symbol = dlsym(handle, name);
            dlclose(handle);
        }
    }
    return symbol;
}

static void *mustFind(const char *name, const char *library)
{
    void *symbol = realSymbol(name, library);
    if (!symbol) {
        // Going on would crash the program and cut the measurement short.
        fprintf(stderr, "frameprobe: %s not found\n", name);
        _exit(3);
    }
    return symbol;
}

#define NEXT_IN(name, library)                               \
    static __typeof__(name) *real;                           \
    if (!real) {                                             \
        real = (__typeof__(name) *)mustFind(#name, library); \
    }
#define NEXT(name) NEXT_IN(name, "libxcb.so.1")

xcb_void_cookie_t xcb_map_window(xcb_connection_t *c, xcb_window_t window)
{
    NEXT(xcb_map_window);
    note("map", &g_mapped);
    return real(c, window);
}

xcb_void_cookie_t xcb_put_image(xcb_connection_t *c, uint8_t format, xcb_drawable_t drawable, xcb_gcontext_t gc,
                                uint16_t width, uint16_t height, int16_t x, int16_t y, uint8_t left_pad, uint8_t depth,
                                uint32_t length, const uint8_t *data)
{
    NEXT(xcb_put_image);
    frame();
    return real(c, format, drawable, gc, width, height, x, y, left_pad, depth, length, data);
}

xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t *c, xcb_drawable_t drawable, xcb_gcontext_t gc,
                                    uint16_t total_width, uint16_t total_height, uint16_t src_x, uint16_t src_y,
                                    uint16_t src_width, uint16_t src_height, int16_t dst_x, int16_t dst_y,
                                    uint8_t depth, uint8_t format, uint8_t send_event, uint32_t shmseg,
                                    uint32_t offset);
xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t *c, xcb_drawable_t drawable, xcb_gcontext_t gc,
                                    uint16_t total_width, uint16_t total_height, uint16_t src_x, uint16_t src_y,
                                    uint16_t src_width, uint16_t src_height, int16_t dst_x, int16_t dst_y,
                                    uint8_t depth, uint8_t format, uint8_t send_event, uint32_t shmseg, uint32_t offset)
{
    NEXT_IN(xcb_shm_put_image, "libxcb-shm.so.0");
    frame();
    return real(c, drawable, gc, total_width, total_height, src_x, src_y, src_width, src_height, dst_x, dst_y, depth,
                format, send_event, shmseg, offset);
}

xcb_void_cookie_t xcb_copy_area(xcb_connection_t *c, xcb_drawable_t src, xcb_drawable_t dst, xcb_gcontext_t gc,
                                int16_t src_x, int16_t src_y, int16_t dst_x, int16_t dst_y, uint16_t width,
                                uint16_t height)
{
    NEXT(xcb_copy_area);
    frame();
    return real(c, src, dst, gc, src_x, src_y, dst_x, dst_y, width, height);
}

typedef struct _XDisplay Display;
typedef unsigned long GLXDrawable;
void glXSwapBuffers(Display *display, GLXDrawable drawable);
void glXSwapBuffers(Display *display, GLXDrawable drawable)
{
    NEXT_IN(glXSwapBuffers, "libGLX.so.0");
    frame();
    real(display, drawable);
}

unsigned int eglSwapBuffers(void *display, void *surface);
unsigned int eglSwapBuffers(void *display, void *surface)
{
    NEXT_IN(eglSwapBuffers, "libEGL.so.1");
    frame();
    return real(display, surface);
}
