// The handshake and the event m_listener.
#include "device/hidthread.h"

#include "device/commandset.h"
#include "device/deviceowner.h"
#include "device/devicelog.h"
#include "device/linkcipher.h"

#include <hidapi/hidapi.h>

#include <QMetaObject>
#include <algorithm>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int kChallengeBytes = 4;
constexpr uint8_t kEventNotice560 = 0x08; // byte 1 of the 560 option
constexpr uint8_t kEventNotice553 = 0x40; // byte 4 of the 553 option

} // namespace

template <typename Call> void Hid_Thread::toOwner(Call call)
{
    // Queued to this object, which lives on the GUI thread; dropped if the
    // transport is gone by then.
    QMetaObject::invokeMethod(
        this,
        [this, call] {
            if (owner)
                call(*owner);
        },
        Qt::QueuedConnection);
}

bool Hid_Thread::chkDeviceIsEnCode(int index)
{
    deviceIndex = index;

    uint8_t challenge[kChallengeBytes];
    for (uint8_t &b : challenge)
        b = uint8_t(QRandomGenerator::global()->bounded(256));

    if (const std::optional<DeviceEntry> e = entry(index)) {
        if (e->sCode.size() == linkcipher::kSecrecyCodeLength) {
            const QByteArray code = e->sCode.toLatin1();
            for (int i = 0; i < linkcipher::kSecrecyCodeLength; ++i)
                secrecyCode[linkcipher::kFirstCodeByte + i] = uint8_t(code.at(i));
        }
    }

    uint8_t echo[kChallengeBytes] = {challenge[0], challenge[1], challenge[2], challenge[3]};
    // A failed exchange leaves the zero preset, which must not count as an
    // echo even when the challenge happened to be all zeros.
    const bool exchanged = runCommand(commandset::k553_00H, echo);
    return exchanged && std::equal(std::begin(echo), std::end(echo), std::begin(challenge));
}

void Hid_Thread::startListening(uint index)
{
    // A listener still running would go on reading beside the new one, and
    // nobody would wait for it: end it first.
    stopListening();
    m_listener.waitForFinished();

    if (m_model.is560()) {
        uint8_t option[2] = {0, 0};
        if (runCommand(commandset::k560_81H, option)) {
            option[0] |= kEventNotice560;
            runCommand(commandset::k560_01H, option);
        } else {
            qCInfo(lcDevice) << "keyboard option not read; event notices left as they are";
        }
    } else {
        uint8_t option[4] = {0, 0, 0, 0};
        if (runCommand(commandset::k553_83H, option)) {
            option[3] |= kEventNotice553;
            runCommand(commandset::k553_03H, option);
        } else {
            qCInfo(lcDevice) << "keyboard option not read; event notices left as they are";
        }
    }

    m_listening = true;
    m_listener = QtConcurrent::run(&Hid_Thread::listen, this, index);
}

void Hid_Thread::stopListening()
{
    m_listening = false;
}

void Hid_Thread::listen(uint index)
{
    const std::optional<DeviceEntry> start = entry(int(index));
    if (!start || start->eventPath.isEmpty()) {
        // Without an event interface there is nothing to listen to; the flag
        // must drop so that device-change notices start passes again.
        m_listening = false;
        return;
    }

    while (m_listening) {
        if (!openEventDevice(int(index))) {
            qCDebug(lcDeviceLines, "Device removed");
            toOwner([this](DeviceOwner &o) {
                m_held.forget();
                o.setViewEnabled(false);
                o.eventInterfaceLost();
            });
            setPath(int(index), false, QString());
            m_listening = false;
            return;
        }
        uint8_t report[framing::kEventSize] = {};
        const int n = hid_read_timeout(eventHandle, report, sizeof report, kEventReadMs);
        int stage = 0;
        if (framing::dpiEvent(report, n, stage)) {
            qCDebug(lcDevice) << "mouse switched to DPI stage" << stage;
            const QString text = dpiSwitchTexts.forStage(stage) + QLatin1Char(' ');
            toOwner([this, stage, text](DeviceOwner &o) {
                m_held.forgetUserImages();
                o.dpiStageSwitched(stage, text);
            });
        }
        closeEventDevice();
    }
}
