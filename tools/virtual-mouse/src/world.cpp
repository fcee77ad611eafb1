#include "world.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vm {
namespace {

std::string envText(const char *name)
{
    const char *v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

void loadFromEnvironment(World &w)
{
    w.trace.openFile(envText("VIRTUAL_MOUSE_TRACE"));

    const std::string wait = envText("VIRTUAL_MOUSE_READ_WAIT_MS");
    if (!wait.empty()) {
        char *end = nullptr;
        const long ms = std::strtol(wait.c_str(), &end, 10);
        if (*end == '\0' && ms >= 0 && ms <= 600000)
            w.readWaitMs = int(ms);
        else
            std::fprintf(stderr, "virtual-mouse: VIRTUAL_MOUSE_READ_WAIT_MS=%s ignored\n", wait.c_str());
    }

    const std::string path = envText("VIRTUAL_MOUSE_CONFIG");
    if (path.empty()) {
        w.install({DeviceConfig{}});
        return;
    }
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "virtual-mouse: cannot read %s; no virtual mouse is plugged in\n", path.c_str());
        return;
    }
    std::stringstream text;
    text << in.rdbuf();
    const ConfigResult r = parseConfig(text.str());
    if (!r.ok) {
        std::fprintf(stderr, "virtual-mouse: %s: %s; no virtual mouse is plugged in\n", path.c_str(), r.error.c_str());
        w.lastError = path + ": " + r.error;
        return;
    }
    w.install(r.devices);
}

} // namespace

void World::install(const std::vector<DeviceConfig> &configs)
{
    devices.clear();
    for (const DeviceConfig &c : configs)
        devices.push_back(std::make_unique<VirtualDevice>(c));
    changed.notify_all();
}

World &world()
{
    static World *w = [] {
        // Never destroyed: other libraries' destructors may still call in at exit.
        auto *created = new World;
        loadFromEnvironment(*created);
        return created;
    }();
    return *w;
}

} // namespace vm
