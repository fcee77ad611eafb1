#pragma once

#include <QMetaObject>
#include <QString>

class DetectionHost;
class Hid_Thread;

// The detection pass: reads the device table, finds each entry's
// interfaces, hands the table to the transport and connects the first entry
// that passes the handshake, or disconnects when none does.
//
// The handshake keeps the event loop running, so a timer expiry or a
// device-change notice may ask for a pass while one runs: that pass runs
// right after the running one ends, never inside it. The same holds for a
// pass asked for in a pause of any other command: it runs from the event
// loop once the last command has ended.
class DeviceDetection {
public:
    DeviceDetection(Hid_Thread &hid, DetectionHost &host, QString settingsPath);
    ~DeviceDetection();
    DeviceDetection(const DeviceDetection &) = delete;
    DeviceDetection &operator=(const DeviceDetection &) = delete;

    // One pass now, or after the running pass or command.
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
    QMetaObject::Connection m_commandsEnded;
};
