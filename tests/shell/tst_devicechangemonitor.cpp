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
        QCOMPARE(notices.size(), 0); // the first look only records

        present.insert("virtual:0:cmd 04d9:a1ee ff00:ff00");
        QTRY_COMPARE(notices.size(), 1);
        QTest::qWait(40);
        QCOMPARE(notices.size(), 1); // unchanged since

        // While the listener runs, a change is only noted; once it has
        // ended, one notice follows.
        listenerRunning = true;
        present.clear();
        QTest::qWait(40);
        QCOMPARE(notices.size(), 1);
        listenerRunning = false;
        QTRY_COMPARE(notices.size(), 2);
        QTest::qWait(40);
        QCOMPARE(notices.size(), 2);

        present.insert("virtual:0:cmd 04d9:a1ee ff00:ff00");
        QTRY_COMPARE(notices.size(), 3);
    }

    void aChangeSeenWhileTheListenerRanIsANoticeAfterIt_data()
    {
        QTest::addColumn<bool>("changeNoted");
        QTest::addColumn<int>("notices");
        // The mouse pulled and plugged in again between two looks: the set
        // is the same, but the listener lost its interface and said so.
        QTest::newRow("quick replug") << true << 1;
        QTest::newRow("nothing happened") << false << 0;
    }

    void aChangeSeenWhileTheListenerRanIsANoticeAfterIt()
    {
        QFETCH(bool, changeNoted);
        QFETCH(int, notices);
        const QSet<QString> present{"virtual:0:cmd 04d9:a1ee ff00:ff00"};
        bool listenerRunning = true;
        DeviceChangeMonitor monitor;
        monitor.setEnumerator([&] { return present; });
        monitor.setListenerRunning([&] { return listenerRunning; });
        QSignalSpy spy(&monitor, &DeviceChangeMonitor::deviceChanged);
        monitor.start(10);

        QTest::qWait(30);
        if (changeNoted)
            monitor.noteChange();
        QTest::qWait(30);
        QCOMPARE(spy.size(), 0);
        listenerRunning = false;
        QTest::qWait(60);
        QCOMPARE(spy.size(), notices);

        // Without a listener a noted change is a notice at once.
        monitor.noteChange();
        QCOMPARE(spy.size(), notices + 1);
    }
};

QTEST_GUILESS_MAIN(DeviceChangeMonitorTest)
#include "tst_devicechangemonitor.moc"
