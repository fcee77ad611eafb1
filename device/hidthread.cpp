// The transport's exchanges: opening the interfaces, the idle flag, command
// reports with their data phases, and the cipher slots.
#include "device/hidthread.h"

#include "device/devicelog.h"
#include "device/linkcipher.h"
#include "device/linkclock.h"

#include <hidapi/hidapi.h>

#include <QCoreApplication>
#include <QMutexLocker>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

linkcipher::Block block(std::array<uint8_t, Hid_Thread::kReportSize> &report)
{
    return linkcipher::Block(report.data() + framing::kBlockOffset, linkcipher::kBlockSize);
}

// Every frame as it goes on the wire, at the lowest log level only.
void dumpReport(const char *what, const uint8_t *bytes, size_t size)
{
    if (lcDevice().isDebugEnabled())
        qCDebug(lcDevice).noquote() << what
                                    << QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size)).toHex(' ');
}

} // namespace

Hid_Thread::Hid_Thread(QObject *parent) : QThread(parent)
{ }

Hid_Thread::~Hid_Thread()
{
    // The owner stops the listener first; clearing the flag again keeps a
    // forgotten stop from waiting here for ever.
    m_listening = false;
    m_listener.waitForFinished();
    closeCmdDevice();
    closeEventDevice();
}

void Hid_Thread::setDeviceTable(const DeviceTable &table)
{
    QMutexLocker locker(&tableLock);
    deviceTable = table;
}

std::optional<DeviceEntry> Hid_Thread::entry(int index) const
{
    QMutexLocker locker(&tableLock);
    if (index < 0 || index >= deviceTable.size())
        return std::nullopt;
    return deviceTable.at(index);
}

bool Hid_Thread::listenerActive() const
{
    return !m_listener.isFinished();
}

void Hid_Thread::setPath(int index, bool command, const QString &path)
{
    QMutexLocker locker(&tableLock);
    if (index < 0 || index >= deviceTable.size())
        return;
    DeviceEntry &e = deviceTable[index];
    (command ? e.cmdPath : e.eventPath) = path;
}

hid_device_ *Hid_Thread::openCmdDevice(int index)
{
    const std::optional<DeviceEntry> e = entry(index);
    if (!e || e->cmdPath.isEmpty())
        return nullptr;
    closeCmdDevice();
    cmdHandle = hid_open_path(e->cmdPath.toLocal8Bit().constData());
    if (!cmdHandle) {
        qCDebug(lcDevice) << "cannot open command interface" << e->cmdPath;
        setPath(index, true, QString());
        return nullptr;
    }
    hid_set_nonblocking(cmdHandle, 0);
    return cmdHandle;
}

hid_device_ *Hid_Thread::openEventDevice(int index)
{
    const std::optional<DeviceEntry> e = entry(index);
    if (!e || e->eventPath.isEmpty())
        return nullptr;
    closeEventDevice();
    eventHandle = hid_open_path(e->eventPath.toLocal8Bit().constData());
    if (!eventHandle) {
        setPath(index, false, QString());
        return nullptr;
    }
    hid_set_nonblocking(eventHandle, 0);
    return eventHandle;
}

void Hid_Thread::closeCmdDevice()
{
    if (cmdHandle) {
        hid_close(cmdHandle);
        cmdHandle = nullptr;
    }
}

void Hid_Thread::closeEventDevice()
{
    if (eventHandle) {
        hid_close(eventHandle);
        eventHandle = nullptr;
    }
}

bool Hid_Thread::waitIdle()
{
    for (int i = 0; i < kIdleTries; ++i) {
        if (m_idle) {
            m_idle = false;
            return true;
        }
        linkclock::sleep(kIdleStepMs);
        QCoreApplication::processEvents();
    }
    return false;
}

void Hid_Thread::settlePause()
{
    linkclock::sleep(kSettleStepMs);
    linkclock::sleep(kSettleStepMs);
}

// Ends an exchange, good or failed: the interface is closed and the link
// free for the next command.
int Hid_Thread::endExchange(int result)
{
    closeCmdDevice();
    m_idle = true;
    if (result == 1)
        m_exchangeFailure = linkoutcome::Kind::Done;
    return result;
}

int Hid_Thread::failExchange(int index, linkoutcome::Kind kind)
{
    m_exchangeFailure = kind;
    const std::optional<DeviceEntry> e = entry(index);
    if (e && !e->cmdPath.isEmpty()) {
        bool present = false;
        hid_device_info *devices = hid_enumerate(e->vid, e->pid);
        const QByteArray path = e->cmdPath.toLocal8Bit();
        for (hid_device_info *d = devices; d && !present; d = d->next)
            present = d->path && path == d->path;
        hid_free_enumeration(devices);
        if (!present)
            m_exchangeFailure = linkoutcome::Kind::Gone;
    } else {
        m_exchangeFailure = linkoutcome::Kind::Gone;
    }
    closeCmdDevice();
    m_idle = true;
    return 0;
}

// Opens the interface and sends the command report, enciphered where the
// interface asks for it. Empty when the mouse cannot be reached.
std::optional<DeviceEntry> Hid_Thread::sendCommandReport(int index)
{
    // A mouse that cannot be opened is gone until a detection pass finds it.
    m_exchangeFailure = linkoutcome::Kind::Gone;
    std::optional<DeviceEntry> e = entry(index);
    if (!e || !openCmdDevice(index))
        return std::nullopt;
    if (e->isEncode)
        linkcipher::encipher(block(commandReport), secrecyCode);
    if (!openCmdDevice(index))
        return std::nullopt;
    if (hid_send_feature_report(cmdHandle, commandReport.data(), kReportSize) < 0) {
        failExchange(index, linkoutcome::Kind::Refused);
        return std::nullopt;
    }
    dumpReport("feature", commandReport.data(), kReportSize);
    return e;
}

int Hid_Thread::sendCommand(int dataLen, bool settle)
{
    QCoreApplication::processEvents();

    const int index = deviceIndex;
    const std::optional<DeviceEntry> e = sendCommandReport(index);
    if (!e)
        return endExchange(0);
    if (settle)
        settlePause();

    if (dataLen > 0) {
        const int length = e->reportLength;
        if (length < 1)
            return failExchange(index, linkoutcome::Kind::Refused);
        const int chunk = std::min(dataLen, length);
        std::vector<uint8_t> report(size_t(length) + 1, 0);
        for (int offset = 0; offset < dataLen; offset += chunk) {
            report[0] = framing::kReportId;
            // The last report carries a whole chunk; past the payload buffer
            // there is nothing to carry but zeros.
            const int available = std::clamp(kPayloadSize - offset, 0, chunk);
            std::memcpy(report.data() + 1, payload.data() + offset, size_t(available));
            std::fill(report.begin() + 1 + available, report.begin() + 1 + chunk, uint8_t(0));
            if (!openCmdDevice(index))
                return endExchange(0);
            if (hid_write(cmdHandle, report.data(), report.size()) < 0)
                return failExchange(index, linkoutcome::Kind::Refused);
            dumpReport("output", report.data(), report.size());
            linkclock::sleep(kReportPauseMs);
        }
        if (settle)
            settlePause();
    }
    return endExchange(1);
}

int Hid_Thread::queryCommand(int dataLen)
{
    const int index = deviceIndex;
    const std::optional<DeviceEntry> e = sendCommandReport(index);
    if (!e)
        return endExchange(0);

    // Read into a copy so that a failed read leaves the preset reply alone.
    std::array<uint8_t, kReportSize> reply{};
    reply[0] = framing::kReportId;
    if (!openCmdDevice(index))
        return endExchange(0);
    const int got = hid_get_feature_report(cmdHandle, reply.data(), reply.size());
    if (got < 0)
        return failExchange(index, linkoutcome::Kind::NoAnswer);
    std::copy_n(reply.begin(), std::min(got, kReportSize), replyReport.begin());

    if (dataLen <= 0) {
        if (e->isEncode)
            linkcipher::decipher(block(replyReport), secrecyCode);
        return endExchange(1);
    }

    const int length = e->reportLength;
    if (length < 1)
        return failExchange(index, linkoutcome::Kind::NoAnswer);
    const int chunk = std::min(dataLen, length);
    std::vector<uint8_t> report(size_t(length) + 1);
    for (int offset = 0; offset < dataLen; offset += chunk) {
        std::fill(report.begin(), report.end(), uint8_t(0));
        if (!openCmdDevice(index))
            return endExchange(0);
        const int n = hid_read_timeout(cmdHandle, report.data(), report.size(), kPayloadReadMs);
        if (n <= 0) {
            qCDebug(lcDevice) << "no payload report from the mouse at offset" << offset;
            return failExchange(index, linkoutcome::Kind::NoAnswer);
        }
        // Bytes the mouse did not deliver keep what the buffer held.
        const int delivered = std::min({n, chunk, std::max(kPayloadSize - offset, 0)});
        std::memcpy(payload.data() + offset, report.data(), size_t(delivered));
    }
    return endExchange(1);
}

uchar Hid_Thread::hidCS(uchar *cmd)
{
    if (!cmd)
        return 0;
    return framing::checksum(cmd);
}

void Hid_Thread::USBDataEncryption(uchar *FIFOBuf, uchar *SecrecyCode)
{
    if (FIFOBuf && SecrecyCode)
        linkcipher::encipher(linkcipher::Block(FIFOBuf, linkcipher::kBlockSize),
                             linkcipher::CodeView(SecrecyCode, linkcipher::kBlockSize));
}

void Hid_Thread::USBDataDecipher(uchar *FIFOBuf, uchar *SecrecyCode)
{
    if (FIFOBuf && SecrecyCode)
        linkcipher::decipher(linkcipher::Block(FIFOBuf, linkcipher::kBlockSize),
                             linkcipher::CodeView(SecrecyCode, linkcipher::kBlockSize));
}
