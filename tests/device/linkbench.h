// A transport on the virtual mouse under a virtual clock, with what the
// mouse saw (the trace, each line stamped by the virtual clock) and what
// the transport wrote to the debug channel.
#pragma once

#include "device/detectionhost.h"
#include "device/hidthread.h"
#include "programfolder.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace linkbench {

// Every pause of the link advances this clock instead of waiting; the
// virtual mouse stamps its trace with the same clock.
class VirtualClock {
public:
    VirtualClock();
    ~VirtualClock();
    VirtualClock(const VirtualClock &) = delete;
    VirtualClock &operator=(const VirtualClock &) = delete;

    static uint64_t now();
    // The single sleeps since the last clear, in order.
    QList<int> sleeps() const;
    void clear();
};

// The fixed lines of the default category (the specified debug lines),
// from any thread.
class DebugLines {
public:
    DebugLines();
    ~DebugLines();
    DebugLines(const DebugLines &) = delete;
    DebugLines &operator=(const DebugLines &) = delete;

    QStringList lines() const;
    void clear();
};

struct TraceEntry {
    qint64 ms = 0;
    QString op;
    QString path;
    QString hex;
    bool badChecksum = false; // the mouse found the block's checksum wrong
};

QList<TraceEntry> trace();
// Only the reports: feature-send, feature-get, write, read, read-timeout.
QList<TraceEntry> reports();
// "op hex" for every report.
QStringList reportTexts();
// True when every report went out on a handle opened right before it
// (open directly before the report, with nothing else on that path between).
bool everyReportOnFreshHandle();
// Opens without a matching close at the end of the trace.
int handlesLeftOpen();

// "00 01 02" -> bytes, for readable expectations.
QByteArray hex(const char *spaced);
// One output report as the transport must send it: report ID 0, the
// chunk, zeros up to the report length.
QString outputReport(const QByteArray &chunk, int reportLength = 32);
QString toHex(const QByteArray &bytes);

// Records what a detection pass and the listener ask of the window.
class Host : public DetectionHost {
public:
    Hid_Thread *hid = nullptr; // for clearHidBusy
    bool connected = false;
    QStringList events; // in order: "balloon:Detect Device", "read:0", ...
    QList<int> dpiStages;
    QStringList balloons;

    void showInfoBalloon(const QString &message) override;
    void setViewEnabled(bool enabled) override;
    void showCurrentDpi(int stage) override;
    void clearHidBusy() override;
    void setDeviceConnected(bool isConnected) override;
    void startUI() override;
    void hideWindow() override;
};

// Entry for virtual device n with the default pairs and its paths filled.
DeviceEntry entryFor(int device, bool isEncode = false, int reportLength = 32);

// A program folder, a configured virtual mouse, a transport whose owner is
// a Host, and the virtual clock.
class Bench {
public:
    // ini configures the virtual mouse; the transport's table holds entries.
    // Tests that read no file may share one program folder across rows.
    Bench(const QByteArray &ini, const DeviceTable &entries, int deviceIndex = 0, bool ownFolder = true);
    ~Bench();

    bool isValid() const { return m_valid; }
    Hid_Thread &hid() { return *m_hid; }
    Host &host() { return m_host; }
    VirtualClock &clock() { return m_clock; }
    DebugLines &debug() { return m_debug; }
    ProgramFolder &folder() { return *m_folder; }
    // The device model handed to the transport, as the settings spell it.
    void setFamily(const QString &icType);
    void setGun(bool gun);

private:
    std::unique_ptr<ProgramFolder> m_folder;
    VirtualClock m_clock;
    DebugLines m_debug;
    Host m_host;
    std::unique_ptr<Hid_Thread> m_hid;
    bool m_valid = false;
};

// A plain (not enciphered) mouse of a family.
QByteArray plainMouse(int family, bool isGun = false, int reportLength = 32);

} // namespace linkbench
