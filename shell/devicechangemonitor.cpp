#include "shell/devicechangemonitor.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <hidapi.h>
#include <libudev.h>

Q_LOGGING_CATEGORY(lcDeviceChange, "orbex.shell.devicechange", QtInfoMsg)

DeviceChangeMonitor::DeviceChangeMonitor(QObject *parent)
    : QObject(parent), m_enumerate(&DeviceChangeMonitor::enumerateHidInterfaces),
      m_listenerRunning([] { return false; })
{
    connect(&m_comparison, &QTimer::timeout, this, &DeviceChangeMonitor::compareInterfaces);
}

DeviceChangeMonitor::~DeviceChangeMonitor()
{
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

void DeviceChangeMonitor::setEnumerator(Enumerator enumerator)
{
    m_enumerate = std::move(enumerator);
    m_haveLast = false;
}

void DeviceChangeMonitor::setListenerRunning(std::function<bool()> listenerRunning)
{
    m_listenerRunning = std::move(listenerRunning);
}

void DeviceChangeMonitor::start(int comparisonIntervalMs)
{
    if (!m_monitor)
        openUdevMonitor();
    m_comparison.start(comparisonIntervalMs);
}

void DeviceChangeMonitor::openUdevMonitor()
{
    m_udev = udev_new();
    if (!m_udev)
        return;
    // Without a udev daemon only the kernel's own events arrive; with one,
    // its events come after the rules have set the node's permissions.
    const char *source = QFileInfo::exists(QStringLiteral("/run/udev/control")) ? "udev" : "kernel";
    m_monitor = udev_monitor_new_from_netlink(m_udev, source);
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qCInfo(lcDeviceChange) << "no udev monitor; relying on the interface comparison";
        if (m_monitor)
            udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
        return;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DeviceChangeMonitor::readUdevEvents);
}

void DeviceChangeMonitor::readUdevEvents()
{
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const QByteArray action = udev_device_get_action(device);
        udev_device_unref(device);
        if (action == "add" || action == "remove")
            noteChange();
    }
}

void DeviceChangeMonitor::noteChange()
{
    if (m_listenerRunning()) {
        m_listenerSeen = true;
        m_changedWhileListening = true;
    } else
        emit deviceChanged();
}

void DeviceChangeMonitor::compareInterfaces()
{
    if (m_listenerRunning()) {
        m_listenerSeen = true;
        return;
    }
    const QSet<QString> now = m_enumerate();
    bool changed = m_haveLast && now != m_lastInterfaces;
    if (m_listenerSeen) {
        changed = changed || m_changedWhileListening;
        m_listenerSeen = false;
        m_changedWhileListening = false;
    }
    m_lastInterfaces = now;
    m_haveLast = true;
    if (changed)
        emit deviceChanged();
}

QSet<QString> DeviceChangeMonitor::enumerateHidInterfaces()
{
    QSet<QString> interfaces;
    hid_device_info *devices = hid_enumerate(0, 0);
    for (const hid_device_info *d = devices; d; d = d->next) {
        interfaces.insert(QStringLiteral("%1 %2:%3 %4:%5")
                              .arg(QString::fromLocal8Bit(d->path ? d->path : ""))
                              .arg(d->vendor_id, 4, 16, QLatin1Char('0'))
                              .arg(d->product_id, 4, 16, QLatin1Char('0'))
                              .arg(d->usage_page, 4, 16, QLatin1Char('0'))
                              .arg(d->usage, 4, 16, QLatin1Char('0')));
    }
    hid_free_enumeration(devices);
    return interfaces;
}
