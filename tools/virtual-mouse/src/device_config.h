// What a virtual mouse is: identifiers, link settings, family and faults.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

enum class Family { F553 = 553, F560 = 560 };

struct Faults {
    bool openFails = false;
    bool noReply = false;
    bool wrongEcho = false;
    bool featureError = false;
    bool writeError = false;
    bool eventNeedsOption = false;
    bool keepsOldByte = false; // 560: a written image keeps the old value of its first changed byte
    int unplugAfter = 0;       // calls that still reach the mouse before it is pulled; 0 never
};

// Defaults are the device of the factory table.
struct DeviceConfig {
    uint16_t vid = 0x04d9;
    uint16_t pid = 0xa1ee;
    uint16_t usagePage = 0xff00;
    uint16_t usage = 0xff00;
    uint16_t usagePage2 = 0xff01;
    uint16_t usage2 = 0xff01;
    int reportLength = 32;
    bool isEncode = true;
    std::string sCode = "519370";
    Family family = Family::F560;
    bool isGun = true;
    bool present = true;
    Faults faults;

    // Command and event pair equal: the mouse has a single interface.
    bool singleInterface() const { return usagePage == usagePage2 && usage == usage2; }
};

constexpr int kMaxReportLength = 1024;

struct ConfigResult {
    bool ok = false;
    std::vector<DeviceConfig> devices;
    std::string error; // "line N: ..." when !ok
};

// One INI section per device, keys as in virtual_mouse.h.
ConfigResult parseConfig(std::string_view text);

} // namespace vm
