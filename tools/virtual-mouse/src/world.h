// The library's one set of virtual mice, guarded by one lock.
#pragma once

#include "device_config.h"
#include "trace.h"
#include "virtual_device.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vm {

constexpr int kDefaultReadWaitMs = 1000;

struct World {
    std::mutex mutex;
    // Signalled whenever a queue fills or a device goes, so that waiting reads look again.
    std::condition_variable changed;
    std::vector<std::unique_ptr<VirtualDevice>> devices;
    Trace trace;
    int readWaitMs = kDefaultReadWaitMs;
    std::string lastError;

    VirtualDevice *device(int index)
    {
        return index >= 0 && std::size_t(index) < devices.size() ? devices[std::size_t(index)].get() : nullptr;
    }
    void install(const std::vector<DeviceConfig> &configs);
};

// Created on first use from VIRTUAL_MOUSE_CONFIG, VIRTUAL_MOUSE_TRACE and
// VIRTUAL_MOUSE_READ_WAIT_MS.
World &world();

} // namespace vm
