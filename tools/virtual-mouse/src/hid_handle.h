// What a hid_device handle of the virtual mouse holds, and the identity
// strings that enumeration and the string queries share.
#pragma once

#include <hidapi/hidapi.h>

#include "device_config.h"
#include "virtual_device.h"

#include <string>

struct hid_device_ {
    int device;
    vm::Port port;
    uint64_t generation; // of the mouse when opened; a pulled cable ends the handle
    std::string path;
    bool nonblocking = false;
    std::wstring error;
    hid_device_info *info = nullptr; // for hid_get_device_info, freed on close
};

namespace vm {

constexpr char kPathPrefix[] = "virtual:";
constexpr char kCmdSuffix[] = "cmd";
constexpr char kEventSuffix[] = "event";

// The error of calls that have no handle (open, enumerate).
extern thread_local std::wstring globalError;

std::string interfacePath(int index, Port port);
std::wstring serialNumber(int index);
std::wstring manufacturerString();
std::wstring productString(const DeviceConfig &c);

hid_device_info *newDeviceInfo(int index, const DeviceConfig &c, Port port);
void freeDeviceInfo(hid_device_info *info);

} // namespace vm
