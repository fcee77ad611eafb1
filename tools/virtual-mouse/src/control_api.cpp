// The control header's functions, for tests and tools.
#include "../virtual_mouse.h"

#include "control_server.h"
#include "world.h"

#include <fstream>
#include <sstream>

using vm::World;

namespace {

thread_local std::string stateText;
thread_local std::string traceText;
thread_local std::string errorText;

int configure(World &w, const std::string &text, const std::string &origin)
{
    const vm::ConfigResult r = vm::parseConfig(text);
    if (!r.ok) {
        w.lastError = origin + r.error;
        return -1;
    }
    w.lastError.clear();
    w.install(r.devices);
    return int(r.devices.size());
}

} // namespace

extern "C" {

int vm_configure_text(const char *ini)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    return configure(w, ini ? ini : "", "");
}

int vm_configure_file(const char *path)
{
    World &w = vm::world();
    std::ifstream in(path ? path : "");
    std::lock_guard lock(w.mutex);
    if (!in) {
        w.lastError = std::string("cannot read ") + (path ? path : "(null)");
        return -1;
    }
    std::stringstream text;
    text << in.rdbuf();
    return configure(w, text.str(), std::string(path) + ": ");
}

const char *vm_last_error(void)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    errorText = w.lastError;
    return errorText.c_str();
}

int vm_device_count(void)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    return int(w.devices.size());
}

void vm_reset(void)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    for (auto &d : w.devices)
        d->reset();
    w.changed.notify_all();
}

void vm_press_dpi(int device)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    if (vm::VirtualDevice *d = w.device(device)) {
        d->pressDpi();
        w.changed.notify_all();
    }
}

void vm_set_present(int device, int present)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    if (vm::VirtualDevice *d = w.device(device)) {
        d->setPresent(present != 0);
        w.changed.notify_all();
    }
}

int vm_set_fault(int device, vm_fault fault, int value)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    vm::VirtualDevice *d = w.device(device);
    if (!d)
        return -1;
    vm::Faults &f = d->faults();
    switch (fault) {
    case VM_FAULT_OPEN_FAILS:
        f.openFails = value != 0;
        return 0;
    case VM_FAULT_NO_REPLY:
        f.noReply = value != 0;
        return 0;
    case VM_FAULT_WRONG_ECHO:
        f.wrongEcho = value != 0;
        return 0;
    case VM_FAULT_FEATURE_ERROR:
        f.featureError = value != 0;
        return 0;
    case VM_FAULT_WRITE_ERROR:
        f.writeError = value != 0;
        return 0;
    case VM_FAULT_UNPLUG_AFTER:
        if (value < 0)
            return -1;
        f.unplugAfter = value;
        return 0;
    case VM_FAULT_EVENT_NEEDS_OPTION:
        f.eventNeedsOption = value != 0;
        return 0;
    case VM_FAULT_KEEPS_OLD_BYTE:
        f.keepsOldByte = value != 0;
        return 0;
    }
    return -1;
}

const char *vm_state_json(void)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    vm::JsonWriter json;
    json.beginObject();
    json.key("devices");
    json.beginArray();
    for (std::size_t i = 0; i < w.devices.size(); ++i)
        w.devices[i]->writeState(json, int(i));
    json.endArray();
    json.endObject();
    stateText = json.str();
    return stateText.c_str();
}

const char *vm_trace(void)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    traceText = w.trace.lines();
    return traceText.c_str();
}

void vm_trace_clear(void)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    w.trace.clear();
}

void vm_set_clock(uint64_t (*clock)(void))
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    w.trace.setClock(clock);
}

void vm_set_read_wait_ms(int ms)
{
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    w.readWaitMs = ms < 0 ? 0 : ms;
}

int vm_control_start(const char *path)
{
    std::string error;
    if (vm::ControlServer::instance().start(path ? path : vm::defaultSocketPath(), error))
        return 0;
    World &w = vm::world();
    std::lock_guard lock(w.mutex);
    w.lastError = error;
    return -1;
}

void vm_control_stop(void)
{
    vm::ControlServer::instance().stop();
}

} // extern "C"
