#pragma once

#include <QString>

class DetectionHost;
class Hid_Thread;

// The detection pass: reads the device table, finds each entry's
// interfaces, hands the table to the transport and connects the first entry
// that passes the handshake, or disconnects when none does.
//
// The handshake keeps the event loop running, so a timer expiry or a
// device-change notice may ask for a pass while one runs: that pass runs
// right after the running one ends, never inside it.
class DeviceDetection {
public:
    DeviceDetection(Hid_Thread &hid, DetectionHost &host, QString settingsPath);

    // One pass now, or after the running one.
    void request();
    bool isRunning() const { return m_running; }

private:
    void runPass();
    void connectSequence();
    void disconnectSequence();

    Hid_Thread &m_hid;
    DetectionHost &m_host;
    QString m_settingsPath;
    bool m_running = false;
    bool m_pending = false;
};
