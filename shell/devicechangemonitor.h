#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>

struct udev;
struct udev_monitor;
class QSocketNotifier;

// Stand-in for the system's device-change message. Every add or remove of a
// hidraw node seen by a udev monitor counts as one notice; besides, while no
// listener runs, the set of HID interfaces is compared once a second with the
// last one, so that a mouse is noticed where no udev events arrive.
//
// While the listener runs, changes are only noted: the set it started with
// is kept, and udev events and a lost event interface are remembered. Once
// it has ended, one notice follows when anything changed meanwhile, so that
// a mouse pulled and plugged in again quickly is still found.
class DeviceChangeMonitor : public QObject {
    Q_OBJECT
public:
    using Enumerator = std::function<QSet<QString>()>;

    explicit DeviceChangeMonitor(QObject *parent = nullptr);
    ~DeviceChangeMonitor() override;

    // Replaces the HID enumeration used for the comparison (tests).
    void setEnumerator(Enumerator enumerator);
    // The comparison runs only while this answers false.
    void setListenerRunning(std::function<bool()> listenerRunning);

    void start(int comparisonIntervalMs = 1000);
    // A change that someone else saw, such as the listener losing the
    // event interface: a notice now, or once the listener has ended.
    void noteChange();
    bool hasUdevMonitor() const { return m_monitor != nullptr; }

    // Every HID interface present: path, identifiers and usage pair.
    static QSet<QString> enumerateHidInterfaces();

signals:
    void deviceChanged();

private:
    void openUdevMonitor();
    void readUdevEvents();
    void compareInterfaces();

    Enumerator m_enumerate;
    std::function<bool()> m_listenerRunning;
    QSet<QString> m_lastInterfaces;
    bool m_haveLast = false;
    bool m_listenerSeen = false;
    bool m_changedWhileListening = false;
    QTimer m_comparison;
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
