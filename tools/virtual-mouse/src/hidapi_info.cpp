// hidapi's identity and string queries, and the requests the mouse does not answer.
#include "hid_handle.h"
#include "world.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace vm {

thread_local std::wstring globalError;

namespace {

wchar_t *wideCopy(const std::wstring &s)
{
    auto *out = static_cast<wchar_t *>(std::calloc(s.size() + 1, sizeof(wchar_t)));
    if (out)
        std::wmemcpy(out, s.c_str(), s.size());
    return out;
}

} // namespace

std::string interfacePath(int index, Port port)
{
    return kPathPrefix + std::to_string(index) + ":" + (port == Port::Event ? kEventSuffix : kCmdSuffix);
}

std::wstring serialNumber(int index)
{
    return L"virtual-" + std::to_wstring(index);
}

std::wstring manufacturerString()
{
    return L"Virtual";
}

std::wstring productString(const DeviceConfig &c)
{
    return c.family == Family::F553 ? L"Virtual mouse 553" : L"Virtual mouse 560";
}

hid_device_info *newDeviceInfo(int index, const DeviceConfig &c, Port port)
{
    auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
    if (!info)
        return nullptr;
    const bool event = port == Port::Event;
    info->path = strdup(interfacePath(index, port).c_str());
    info->vendor_id = c.vid;
    info->product_id = c.pid;
    info->serial_number = wideCopy(serialNumber(index));
    info->release_number = 0x0100;
    info->manufacturer_string = wideCopy(manufacturerString());
    info->product_string = wideCopy(productString(c));
    info->usage_page = event ? c.usagePage2 : c.usagePage;
    info->usage = event ? c.usage2 : c.usage;
    info->interface_number = event ? 1 : 0;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

void freeDeviceInfo(hid_device_info *info)
{
    if (!info)
        return;
    std::free(info->path);
    std::free(info->serial_number);
    std::free(info->manufacturer_string);
    std::free(info->product_string);
    std::free(info);
}

} // namespace vm

namespace {

enum class Text { Manufacturer, Product, Serial };

int copyString(hid_device *dev, Text which, wchar_t *string, size_t maxlen)
{
    if (!dev || !string || maxlen == 0)
        return -1;
    vm::World &w = vm::world();
    std::lock_guard lock(w.mutex);
    const vm::VirtualDevice *d = w.device(dev->device);
    if (!d || !d->present() || d->generation() != dev->generation) {
        dev->error = L"device disconnected";
        return -1;
    }
    const std::wstring text = which == Text::Manufacturer ? vm::manufacturerString()
                              : which == Text::Product    ? vm::productString(d->config())
                                                          : vm::serialNumber(dev->device);
    std::wcsncpy(string, text.c_str(), maxlen);
    string[maxlen - 1] = L'\0';
    return 0;
}

} // namespace

extern "C" {

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return copyString(dev, Text::Manufacturer, string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return copyString(dev, Text::Product, string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return copyString(dev, Text::Serial, string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device *dev, int, wchar_t *, size_t)
{
    if (dev) {
        std::lock_guard lock(vm::world().mutex);
        dev->error = L"indexed strings are not supported";
    }
    return -1;
}

// The mouse delivers input reports on its interrupt pipe only.
int HID_API_EXPORT HID_API_CALL hid_get_input_report(hid_device *dev, unsigned char *, size_t)
{
    if (dev) {
        std::lock_guard lock(vm::world().mutex);
        dev->error = L"the mouse does not answer input report requests (broken pipe)";
    }
    return -1;
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_get_device_info(hid_device *dev)
{
    if (!dev)
        return nullptr;
    vm::World &w = vm::world();
    std::lock_guard lock(w.mutex);
    if (dev->info)
        return dev->info;
    const vm::VirtualDevice *d = w.device(dev->device);
    if (!d || d->generation() != dev->generation) {
        dev->error = L"device disconnected";
        return nullptr;
    }
    dev->info =
        vm::newDeviceInfo(dev->device, d->config(), dev->port == vm::Port::Event ? vm::Port::Event : vm::Port::Command);
    return dev->info;
}

HID_API_EXPORT const struct hid_api_version *HID_API_CALL hid_version(void)
{
    static const hid_api_version version = {HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR, HID_API_VERSION_PATCH};
    return &version;
}

HID_API_EXPORT const char *HID_API_CALL hid_version_str(void)
{
    return HID_API_VERSION_STR;
}

} // extern "C"
