// The link's pauses as the window lives through them: the event loop is
// served while the link waits and no pause ends early; and what an event
// handled in a pause starts cannot slip into the exchange that is running.
#include "linkbench.h"

#include "device/hidthread.h"
#include "device/linkclock.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "virtual_mouse.h"

using namespace linkbench;

namespace {

// The feature reports (command blocks) the mouse received, as hex.
QStringList featureReports()
{
    QStringList out;
    for (const TraceEntry &e : reports()) {
        if (e.op == QLatin1String("feature-send"))
            out << e.hex;
    }
    return out;
}

} // namespace

class tst_LinkPauses : public QObject {
    Q_OBJECT
private slots:
    void realPauseServesEventsAndNeverEndsEarly_data();
    void realPauseServesEventsAndNeverEndsEarly();
    void commandStartedInAPauseGivesUpWithoutTouchingTheExchange();
    void profilesOfOneCommandKeepTheLinkBetweenThem();
};

void tst_LinkPauses::realPauseServesEventsAndNeverEndsEarly_data()
{
    QTest::addColumn<int>("ms");
    QTest::newRow("one step") << 8;
    QTest::newRow("settle step") << 64;
    QTest::newRow("after an output report") << 120;
}

void tst_LinkPauses::realPauseServesEventsAndNeverEndsEarly()
{
    QFETCH(int, ms);
    QElapsedTimer clock;
    clock.start();
    qint64 servedAt = -1;
    QMetaObject::invokeMethod(
        qApp, [&] { servedAt = clock.nsecsElapsed(); }, Qt::QueuedConnection);
    int ticks = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(2);

    linkclock::sleep(ms);
    const qint64 elapsed = clock.nsecsElapsed();
    tick.stop();

    QVERIFY2(elapsed >= qint64(ms) * 1000 * 1000, qPrintable(QString::number(elapsed)));
    QVERIFY2(servedAt >= 0 && servedAt <= elapsed, "a posted call waited for the end of the pause");
    if (ms >= 64)
        QVERIFY2(ticks > 0, "a timer never fired during the pause");
}

// A report rate choice while another one is being sent: the second command
// waits for the link in the first one's pause and gives up; the first goes
// out unchanged. The link says that a command runs all along, once.
void tst_LinkPauses::commandStartedInAPauseGivesUpWithoutTouchingTheExchange()
{
    Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    QSignalSpy running(&h, &Hid_Thread::commandRunningChanged);
    vm_trace_clear();

    bool nestedSawRunning = false;
    QTimer::singleShot(0, [&] {
        nestedSawRunning = h.commandRunning();
        h.hid553_01H_SetReportRate(8);
    });
    h.hid553_01H_SetReportRate(2);

    QVERIFY(nestedSawRunning);
    QCOMPARE(featureReports(), QStringList{"0001020000000000fc"});
    QCOMPARE(bench.debug().lines(), QStringList{"cmd Failed 01"});
    QCOMPARE(running.size(), 2);
    QCOMPARE(running.at(0).at(0).toBool(), true);
    QCOMPARE(running.at(1).at(0).toBool(), false);
    QVERIFY(!h.commandRunning());
    QVERIFY(h.isIdle());
}

// A 560 gun mouse takes the report rate once per profile. Each exchange
// frees the link at its end; an event handled as the next profile's
// exchange begins must still find the link taken, or a command started
// there would put its own report in place of that profile's.
void tst_LinkPauses::profilesOfOneCommandKeepTheLinkBetweenThem()
{
    Bench bench(plainMouse(560, true), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    bench.setGun(true);
    vm_trace_clear();

    int freeInside = 0;
    QTimer watch; // runs at every turn of the event loop
    connect(&watch, &QTimer::timeout, [&] {
        if (!h.commandRunning() || !h.isIdle() || freeInside++ > 0)
            return;
        h.hid560_01H_SetKeyboardoption(0, 0);
    });
    watch.start(0);
    h.hid560_03H_SetReportRate(2);
    watch.stop();

    QCOMPARE(freeInside, 0);
    QCOMPARE(featureReports(),
             QStringList({"0003010200000000f9", "0003020200000000f8", "0003030200000000f7", "0003040200000000f6"}));
}

QTEST_GUILESS_MAIN(tst_LinkPauses)
#include "tst_linkpauses.moc"
