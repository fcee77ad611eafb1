// A program linked against the real hidapi, as the mouse program is; run with
// the virtual mouse preloaded it must see the virtual mouse instead.
#include <hidapi/hidapi.h>

#include <cstdio>
#include <cstring>

// With the argument "list" it only lists the interfaces it finds.
int main(int argc, char **argv)
{
    if (hid_init() != 0)
        return 1;
    hid_device_info *list = hid_enumerate(0, 0);
    for (hid_device_info *i = list; i; i = i->next)
        std::printf("record %s %04x %04x\n", i->path, i->usage_page, i->usage);
    hid_free_enumeration(list);
    if (argc > 1 && std::strcmp(argv[1], "list") == 0)
        return 0;

    hid_device *event = hid_open_path("virtual:0:event");
    if (!event) {
        std::printf("open failed\n");
        return 2;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    unsigned char report[8] = {};
    const int n = hid_read_timeout(event, report, sizeof report, 10000);
    std::printf("read %d", n);
    for (int i = 0; i < n; ++i)
        std::printf(" %02x", report[i]);
    std::printf("\n");
    hid_close(event);
    hid_exit();
    return 0;
}
