#pragma once

#include <QString>

// What the transport needs from the window that owns it. The listener runs on
// a pool thread; the transport calls these only on the GUI thread.
class DeviceOwner {
public:
    virtual ~DeviceOwner() = default;

    virtual void showInfoBalloon(const QString &message) = 0;
    virtual void setViewEnabled(bool enabled) = 0;
    virtual void showCurrentDpi(int stage) = 0; // stage counted from 1
    // The mouse switched to `stage` (counted from 1); `stageText` is its
    // tray text.
    virtual void dpiStageSwitched(int stage, const QString &stageText)
    {
        showCurrentDpi(stage);
        showInfoBalloon(stageText);
    }
    // The listener found the event interface gone and has ended.
    virtual void eventInterfaceLost() { }
};
