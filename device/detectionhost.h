#pragma once

#include "device/deviceowner.h"

// What a detection pass needs from the window besides the transport's own
// needs: the controller's busy flag, the connection flag,
// the UI's start and the window's visibility.
class DetectionHost : public DeviceOwner {
public:
    virtual void clearHidBusy() = 0;
    virtual void setDeviceConnected(bool connected) = 0;
    virtual void startUI() = 0;
    virtual void hideWindow() = 0;
};
