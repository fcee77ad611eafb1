#pragma once

#include "device/deviceentry.h"

#include <QFuture>
#include <QThread>

#include <array>
#include <atomic>
#include <cstdint>

struct hid_device_;
class DeviceOwner;

// The only path to the mouse. Derived from QThread by design but never
// started: exchanges run on the calling (GUI) thread, the listener on the
// global thread pool.
class Hid_Thread : public QThread {
    Q_OBJECT
public:
    static constexpr int kReportSize = 9;      // report ID + 8-byte block
    static constexpr int kPayloadSize = 512;

    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override;

    DeviceOwner *owner = nullptr;
    DeviceTable deviceTable;
    int deviceIndex = 1;
    hid_device_ *cmdHandle = nullptr;
    hid_device_ *eventHandle = nullptr;
    bool idle = true;
    std::atomic_bool listening{false};
    QFuture<void> listener;
    std::array<uint8_t, kReportSize> commandReport{};
    std::array<uint8_t, kReportSize> replyReport{};
    std::array<uint8_t, kPayloadSize> payload{};
};
