// The hidapi functions, with the report-ID handling of the hidraw backend.
#include <hidapi/hidapi.h>

#include "hid_handle.h"
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

namespace {

std::wstring widen(const std::string &s)
{
    std::wstring out;
    out.reserve(s.size());
    for (const char c : s)
        out += wchar_t(static_cast<unsigned char>(c));
    return out;
}

struct Target {
    int index;
    Port port;
};

// "virtual:N:cmd" or "virtual:N:event"; nothing else names a virtual interface.
std::optional<Target> parsePath(const char *path)
{
    const std::size_t prefix = sizeof vm::kPathPrefix - 1;
    if (std::strncmp(path, vm::kPathPrefix, prefix) != 0)
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
    if (std::strcmp(p, vm::kCmdSuffix) == 0)
        return Target{int(index), Port::Command};
    if (std::strcmp(p, vm::kEventSuffix) == 0)
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
        vm::globalError = widen(error);
        return nullptr;
    }
    const Port port = d->config().singleInterface() ? Port::Both : t->port;
    auto *dev = new hid_device_{t->index, port, d->generation(), path, false, {}, nullptr};
    w.trace.record("open", path, nullptr, 0);
    d->countCall();
    vm::globalError.clear();
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
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(blocking ? w.readWaitMs : milliseconds);
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

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    return 0;
}

struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    hid_device_info *head = nullptr;
    hid_device_info **tail = &head;
    auto add = [&](int index, const vm::DeviceConfig &c, Port port) {
        if (hid_device_info *info = vm::newDeviceInfo(index, c, port)) {
            *tail = info;
            tail = &info->next;
        }
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
        vm::freeDeviceInfo(devs);
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
        if (serial_number && vm::serialNumber(int(i)) != serial_number)
            continue;
        return openTarget(w, vm::interfacePath(int(i), Port::Command), Target{int(i), Port::Command});
    }
    vm::globalError = L"no matching device";
    return nullptr;
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open_path(const char *path)
{
    if (!path) {
        vm::globalError = L"no path";
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
    vm::freeDeviceInfo(dev->info);
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

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device *dev, const unsigned char *data, size_t length)
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

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
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
        return vm::globalError.empty() ? L"Success" : vm::globalError.c_str();
    std::lock_guard lock(vm::world().mutex);
    return dev->error.empty() ? L"Success" : dev->error.c_str();
}

} // extern "C"
