// The hidapi functions, with the report-ID handling of the hidraw backend.
#include <hidapi/hidapi.h>

#include "world.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>

using vm::Port;
using vm::VirtualDevice;
using vm::World;

struct hid_device_ {
    int device;
    Port port;
    uint64_t generation;
    std::string path;
    bool nonblocking = false;
    std::wstring error;
};

namespace {

constexpr char kPathPrefix[] = "virtual:";
constexpr char kCmdSuffix[] = "cmd";
constexpr char kEventSuffix[] = "event";

thread_local std::wstring globalError;

std::wstring widen(const std::string &s)
{
    std::wstring out;
    out.reserve(s.size());
    for (const char c : s)
        out += wchar_t(static_cast<unsigned char>(c));
    return out;
}

wchar_t *wideCopy(const std::wstring &s)
{
    auto *out = static_cast<wchar_t *>(std::calloc(s.size() + 1, sizeof(wchar_t)));
    if (out)
        std::wmemcpy(out, s.c_str(), s.size());
    return out;
}

std::string interfacePath(int index, Port port)
{
    return kPathPrefix + std::to_string(index) + ":" + (port == Port::Event ? kEventSuffix : kCmdSuffix);
}

struct Target {
    int index;
    Port port;
};

// "virtual:N:cmd" or "virtual:N:event"; nothing else names a virtual interface.
std::optional<Target> parsePath(const char *path)
{
    const std::size_t prefix = sizeof kPathPrefix - 1;
    if (std::strncmp(path, kPathPrefix, prefix) != 0)
        return std::nullopt;
    const char *p = path + prefix;
    if (*p < '0' || *p > '9')
        return std::nullopt;
    long index = 0;
    while (*p >= '0' && *p <= '9') {
        index = index * 10 + (*p - '0');
        if (index > 1000000)
            return std::nullopt;
        ++p;
    }
    if (*p++ != ':')
        return std::nullopt;
    if (std::strcmp(p, kCmdSuffix) == 0)
        return Target{int(index), Port::Command};
    if (std::strcmp(p, kEventSuffix) == 0)
        return Target{int(index), Port::Event};
    return std::nullopt;
}

hid_device *openTarget(World &w, const std::string &path, std::optional<Target> t)
{
    VirtualDevice *d = t ? w.device(t->index) : nullptr;
    std::string error;
    if (!d || !d->present())
        error = "no such device: " + path;
    else if (t->port == Port::Event && d->config().singleInterface())
        error = "no such interface: " + path + " (the mouse has one interface)";
    else if (d->faults().openFails)
        error = "cannot open " + path + ": permission denied";

    if (!error.empty()) {
        w.trace.record("open-failed", path, nullptr, 0);
        if (d && d->present())
            d->countCall();
        globalError = widen(error);
        return nullptr;
    }
    const Port port = d->config().singleInterface() ? Port::Both : t->port;
    auto *dev = new hid_device_{t->index, port, d->generation(), path, false, {}};
    w.trace.record("open", path, nullptr, 0);
    d->countCall();
    globalError.clear();
    return dev;
}

// The mouse behind a handle, while it is the same plugged-in mouse.
VirtualDevice *reach(World &w, hid_device *dev)
{
    dev->error.clear();
    VirtualDevice *d = w.device(dev->device);
    if (!d || !d->present() || d->generation() != dev->generation) {
        dev->error = L"device disconnected";
        return nullptr;
    }
    return d;
}

void finish(World &w, VirtualDevice *d)
{
    if (d)
        d->countCall();
    w.changed.notify_all();
}

int readReport(hid_device *dev, unsigned char *data, size_t length, int milliseconds, const char *op)
{
    if (!dev)
        return -1;
    World &w = vm::world();
    std::unique_lock lock(w.mutex);
    if (!data || length == 0) {
        dev->error = L"no room for an input report";
        w.trace.record(op, dev->path, nullptr, 0);
        return -1;
    }
    const bool blocking = milliseconds < 0;
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(blocking ? w.readWaitMs : milliseconds);
    VirtualDevice *d = reach(w, dev);
    while (d && !d->hasInput(dev->port)) {
        if (w.changed.wait_until(lock, deadline) == std::cv_status::timeout)
            break;
        d = reach(w, dev);
    }
    d = reach(w, dev);
    int result = -1;
    if (d && d->hasInput(dev->port)) {
        result = d->takeInput(dev->port, data, length);
    } else if (d && !blocking) {
        result = 0;
    } else if (d) {
        dev->error = L"no input report within the read wait";
    }
    w.trace.record(op, dev->path, data, result > 0 ? size_t(result) : 0);
    finish(w, d);
    return result;
}

} // namespace

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    vm::world();
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void) { return 0; }

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_enumerate(unsigned short vendor_id,
                                                                  unsigned short product_id)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    hid_device_info *head = nullptr;
    hid_device_info **tail = &head;
    auto add = [&](int index, const vm::DeviceConfig &c, Port port) {
        auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
        if (!info)
            return;
        const bool event = port == Port::Event;
        info->path = strdup(interfacePath(index, port).c_str());
        info->vendor_id = c.vid;
        info->product_id = c.pid;
        info->serial_number = wideCopy(L"virtual-" + std::to_wstring(index));
        info->release_number = 0x0100;
        info->manufacturer_string = wideCopy(L"Virtual");
        info->product_string =
            wideCopy(c.family == vm::Family::F553 ? L"Virtual mouse 553" : L"Virtual mouse 560");
        info->usage_page = event ? c.usagePage2 : c.usagePage;
        info->usage = event ? c.usage2 : c.usage;
        info->interface_number = event ? 1 : 0;
        info->bus_type = HID_API_BUS_USB;
        *tail = info;
        tail = &info->next;
    };
    for (std::size_t i = 0; i < w.devices.size(); ++i) {
        const VirtualDevice &d = *w.devices[i];
        const vm::DeviceConfig &c = d.config();
        if (!d.present() || (vendor_id && vendor_id != c.vid) || (product_id && product_id != c.pid))
            continue;
        add(int(i), c, Port::Command);
        if (!c.singleInterface())
            add(int(i), c, Port::Event);
    }
    return head;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open(unsigned short vendor_id, unsigned short product_id,
                                                 const wchar_t *serial_number)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    for (std::size_t i = 0; i < w.devices.size(); ++i) {
        const VirtualDevice &d = *w.devices[i];
        if (!d.present() || d.config().vid != vendor_id || d.config().pid != product_id)
            continue;
        if (serial_number && (L"virtual-" + std::to_wstring(i)) != serial_number)
            continue;
        return openTarget(w, interfacePath(int(i), Port::Command), Target{int(i), Port::Command});
    }
    globalError = L"no matching device";
    return nullptr;
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open_path(const char *path)
{
    if (!path) {
        globalError = L"no path";
        return nullptr;
    }
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    return openTarget(w, path, parsePath(path));
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device *dev)
{
    if (!dev)
        return;
    World &w = vm::world();
    {
        std::lock_guard lock(w.mutex);
        w.trace.record("close", dev->path, nullptr, 0);
        VirtualDevice *d = reach(w, dev);
        if (d)
            d->countCall();
    }
    delete dev;
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device *dev, int nonblock)
{
    if (!dev)
        return -1;
    std::lock_guard lock(vm::world().mutex);
    dev->nonblocking = nonblock != 0;
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device *dev, const unsigned char *data,
                                                        size_t length)
{
    if (!dev)
        return -1;
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    if (!data)
        length = 0;
    VirtualDevice *d = reach(w, dev);
    VirtualDevice::SendResult r{-1, false};
    if (d) {
        std::string error;
        r = d->sendFeature(dev->port, data, length, error);
        if (r.result < 0)
            dev->error = widen(error);
    }
    w.trace.record("feature-send", dev->path, data, length, r.badChecksum);
    finish(w, d);
    return r.result;
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    if (!dev)
        return -1;
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    if (!data)
        length = 0;
    VirtualDevice *d = reach(w, dev);
    int result = -1;
    if (d) {
        std::string error;
        result = d->getFeature(dev->port, data, length, error);
        if (result < 0)
            dev->error = widen(error);
    }
    w.trace.record("feature-get", dev->path, data, result > 0 ? size_t(result) : 0);
    finish(w, d);
    return result;
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    if (!dev)
        return -1;
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    if (!data)
        length = 0;
    VirtualDevice *d = reach(w, dev);
    int result = -1;
    if (d) {
        std::string error;
        result = d->writeOutput(dev->port, data, length, error);
        if (result < 0)
            dev->error = widen(error);
    }
    w.trace.record("write", dev->path, data, length);
    finish(w, d);
    return result;
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device *dev, unsigned char *data, size_t length,
                                                 int milliseconds)
{
    return readReport(dev, data, length, milliseconds, "read-timeout");
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    if (!dev)
        return -1;
    bool nonblocking;
    {
        std::lock_guard lock(vm::world().mutex);
        nonblocking = dev->nonblocking;
    }
    return readReport(dev, data, length, nonblocking ? 0 : -1, "read");
}

HID_API_EXPORT const wchar_t *HID_API_CALL hid_error(hid_device *dev)
{
    if (!dev)
        return globalError.empty() ? L"Success" : globalError.c_str();
    std::lock_guard lock(vm::world().mutex);
    return dev->error.empty() ? L"Success" : dev->error.c_str();
}

} // extern "C"
