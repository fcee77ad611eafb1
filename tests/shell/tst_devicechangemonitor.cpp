#include "shell/devicechangemonitor.h"

#include <QSignalSpy>
#include <QtTest>

// The interface comparison that stands in for device-change messages where
// no udev events arrive.
class DeviceChangeMonitorTest : public QObject {
    Q_OBJECT

private slots:
    void changedInterfaceSetIsOneNotice()
    {
        QSet<QString> present;
        bool listenerRunning = false;
        DeviceChangeMonitor monitor;
        monitor.setEnumerator([&] { return present; });
        monitor.setListenerRunning([&] { return listenerRunning; });
        QSignalSpy notices(&monitor, &DeviceChangeMonitor::deviceChanged);
        monitor.start(10);

        QTest::qWait(40);
        QCOMPARE(notices.size(), 0);   // the first look only records

        present.insert("virtual:0:cmd 04d9:a1ee ff00:ff00");
        QTRY_COMPARE(notices.size(), 1);
        QTest::qWait(40);
        QCOMPARE(notices.size(), 1);   // unchanged since

        // While the listener runs it notices removals itself.
        listenerRunning = true;
        present.clear();
        QTest::qWait(40);
        QCOMPARE(notices.size(), 1);

        // Afterwards the comparison starts afresh from what is there.
        listenerRunning = false;
        QTest::qWait(40);
        QCOMPARE(notices.size(), 1);
        present.insert("virtual:0:cmd 04d9:a1ee ff00:ff00");
        QTRY_COMPARE(notices.size(), 2);
    }
};

QTEST_GUILESS_MAIN(DeviceChangeMonitorTest)
#include "tst_devicechangemonitor.moc"
