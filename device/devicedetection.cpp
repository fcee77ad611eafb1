#include "device/devicedetection.h"

#include "device/detectionhost.h"
#include "device/devicelog.h"
#include "device/devicetable.h"
#include "device/hidthread.h"
#include "device/noticetexts.h"

#include <QtGlobal>

DeviceDetection::DeviceDetection(Hid_Thread &hid, DetectionHost &host, QString settingsPath)
    : m_hid(hid), m_host(host), m_settingsPath(std::move(settingsPath))
{
    // Queued, so that the pass runs from the event loop and not inside the
    // operation whose last command has just ended.
    m_commandsEnded = QObject::connect(
        &m_hid, &Hid_Thread::commandRunningChanged, &m_hid,
        [this](bool running) {
            if (!running && m_pending && !m_running)
                request();
        },
        Qt::QueuedConnection);
}

DeviceDetection::~DeviceDetection()
{
    QObject::disconnect(m_commandsEnded);
}

void DeviceDetection::request()
{
    if (m_running || m_hid.commandRunning()) {
        m_pending = true;
        return;
    }
    m_running = true;
    do {
        m_pending = false;
        runPass();
    } while (m_pending);
    m_running = false;
}

void DeviceDetection::runPass()
{
    // The table is replaced only while no listener reads it. A running
    // listener means a connected mouse, and it notices a removal itself.
    if (m_hid.isListening()) {
        qCInfo(lcDevice) << "detection pass skipped: the event listener runs";
        return;
    }
    // A listener that has just seen the mouse go ends within one read.
    m_hid.waitForListenerEnd();

    DeviceTable table = devicetable::readFile(m_settingsPath);
    devicetable::locate(table);
    m_hid.setDeviceTable(table);

    for (int j = 0; j < table.size(); ++j) {
        if (table.at(j).cmdPath.isEmpty())
            continue;
        if (m_hid.chkDeviceIsEnCode(j)) {
            connectSequence();
            return;
        }
    }
    disconnectSequence();
}

void DeviceDetection::connectSequence()
{
    qCDebug(lcDeviceLines, "Device Connect");
    m_host.clearHidBusy();
    m_host.setDeviceConnected(true);
    m_host.showInfoBalloon(noticetexts::text(noticetexts::MouseDetected));
    m_hid.startListening(uint(m_hid.deviceIndex));
    m_hid.forgetProfileImages();
    m_hid.forgetHeld();
    if (m_hid.deviceModel().is560()) {
        const int last = m_hid.deviceModel().lastUserProfile();
        // A mouse that sends no image keeps each read waiting for it; when
        // one read fails the others would fail the same way.
        for (int n = 0; n <= last; ++n) {
            if (!m_hid.readProfileImage(n)) {
                qCInfo(lcDevice) << "profile" << n << "not read from the mouse; the remaining ones are not asked for";
                break;
            }
        }
    }
    m_host.setViewEnabled(true);
    m_host.startUI();
}

void DeviceDetection::disconnectSequence()
{
    qCDebug(lcDeviceLines, "Device DisConnect");
    m_hid.forgetHeld();
    m_host.setDeviceConnected(false);
    m_host.hideWindow();
}
