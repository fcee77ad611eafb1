#pragma once

#include <QList>
#include <QString>
#include <cstdint>

// One entry of the device table: how to find a mouse's two HID interfaces
// and how to talk to its command interface.
struct DeviceEntry {
    int type = -1; // 0 keyboard, 1 mouse; stored, never consulted
    uint16_t vid = 0;
    uint16_t pid = 0;
    uint16_t usagePage = 0; // command interface
    uint16_t usage = 0;
    uint16_t usagePage2 = 0; // event interface
    uint16_t usage2 = 0;
    int reportLength = 32; // without the report ID byte
    bool isEncode = false;
    QString sCode = QStringLiteral("519370");
    QString cmdPath; // empty: interface not found
    QString eventPath;
};

using DeviceTable = QList<DeviceEntry>;
