#include "fuzzhid.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <cstring>
#include <optional>

struct hid_device_ {
    int unused = 0;
};

namespace fuzzhid {
namespace {

const uint8_t *g_data = nullptr;
size_t g_size = 0;

std::optional<uint8_t> takeByte()
{
    if (g_size == 0)
        return std::nullopt;
    const uint8_t b = *g_data++;
    --g_size;
    return b;
}

// n bytes into `out`; what the stream lacks reads as zero.
void takeBytes(uint8_t *out, size_t n)
{
    const size_t got = std::min(n, g_size);
    std::memcpy(out, g_data, got);
    std::memset(out + got, 0, n - got);
    g_data += got;
    g_size -= got;
}

// A length from -1 (an error) to `length`.
int takeLength(size_t length)
{
    const std::optional<uint8_t> b = takeByte();
    if (!b)
        return -1;
    return int(*b % (length + 2)) - 1;
}

} // namespace

void feed(const uint8_t *data, size_t size)
{
    g_data = data;
    g_size = size;
}

size_t remaining()
{
    return g_size;
}

int readReport(uint8_t *report, size_t length)
{
    const int n = takeLength(length);
    if (n > 0)
        takeBytes(report, std::min(size_t(n), length));
    return n;
}

} // namespace fuzzhid

extern "C" {

int HID_API_EXPORT hid_init(void)
{
    return 0;
}
int HID_API_EXPORT hid_exit(void)
{
    return 0;
}

struct hid_device_info HID_API_EXPORT *hid_enumerate(unsigned short, unsigned short)
{
    return nullptr;
}

void HID_API_EXPORT hid_free_enumeration(struct hid_device_info *)
{ }

hid_device HID_API_EXPORT *hid_open_path(const char *)
{
    const std::optional<uint8_t> b = fuzzhid::takeByte();
    if (!b || *b == 0xFF)
        return nullptr;
    return new hid_device_;
}

int HID_API_EXPORT hid_set_nonblocking(hid_device *, int)
{
    return 0;
}

void HID_API_EXPORT hid_close(hid_device *device)
{
    delete device;
}

int HID_API_EXPORT hid_send_feature_report(hid_device *, const unsigned char *, size_t length)
{
    const std::optional<uint8_t> b = fuzzhid::takeByte();
    return (!b || (*b & 0x80)) ? -1 : int(length);
}

int HID_API_EXPORT hid_write(hid_device *, const unsigned char *, size_t length)
{
    const std::optional<uint8_t> b = fuzzhid::takeByte();
    return (!b || (*b & 0x80)) ? -1 : int(length);
}

int HID_API_EXPORT hid_get_feature_report(hid_device *, unsigned char *data, size_t length)
{
    return fuzzhid::readReport(data, length);
}

int HID_API_EXPORT hid_read_timeout(hid_device *, unsigned char *data, size_t length, int)
{
    return fuzzhid::readReport(data, length);
}

int HID_API_EXPORT hid_read(hid_device *, unsigned char *data, size_t length)
{
    return fuzzhid::readReport(data, length);
}

const wchar_t HID_API_EXPORT *hid_error(hid_device *)
{
    return L"fuzzed";
}

} // extern "C"
