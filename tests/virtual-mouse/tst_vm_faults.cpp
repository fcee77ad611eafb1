// A mouse that misbehaves: each fault, from the configuration and at run time,
// and the cable pulled and plugged again.
#include "vmtest.h"

#include <programfolder.h>

#include <QElapsedTimer>
#include <QTest>

#include <memory>
#include <thread>

using namespace vmtest;

namespace {

const QByteArray kHandshake = hex("00 00 12 34 56 78 00 00 eb");
const QByteArray kRate8 = hex("00 01 08 00 00 00 00 00 f6");
const QByteArray kKeyMatrix1 = hex("00 12 01 40 08 00 00 00 a4");

QStringList enumeratedPaths()
{
    QStringList out;
    hid_device_info *list = hid_enumerate(0, 0);
    for (hid_device_info *i = list; i; i = i->next)
        out << i->path;
    hid_free_enumeration(list);
    return out;
}

} // namespace

class VirtualMouseFaults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void faultBehaves_data();
    void faultBehaves();
    void absentMouseIsNeitherListedNorOpened_data();
    void absentMouseIsNeitherListedNorOpened();
    void unplugAfterCalls_data();
    void unplugAfterCalls();
    void unplugEndsHandlesAndWakesReads();
    void plugAgainKeepsTheSettings();
    void resetRestoresTheConfiguredMouse();
    void unknownDeviceOrFaultIsRefused();

private:
    std::unique_ptr<ProgramFolder> folder;
};

void VirtualMouseFaults::init()
{
    folder = std::make_unique<ProgramFolder>();
    QVERIFY(folder->isValid());
    vm_set_read_wait_ms(0);
    vm_trace_clear();
}

void VirtualMouseFaults::cleanup()
{
    folder.reset();
}

// What the program sees of one exchange round: open, handshake, a set
// command with payload.
struct Round {
    bool opened = false;
    int handshakeSend = 0;
    QByteArray handshakeReply;
    int rateSend = 0;
    int payloadWrite = 0;
};

static Round runRound()
{
    Round r;
    Handle h("virtual:0:cmd");
    r.opened = bool(h);
    if (!r.opened)
        return r;
    r.handshakeSend = sendFeature(h.get(), kHandshake);
    r.handshakeReply = getFeature(h.get());
    r.rateSend = sendFeature(h.get(), kRate8);
    sendFeature(h.get(), kKeyMatrix1);
    r.payloadWrite = writeChunk(h.get(), QByteArray(32, '\x01'));
    writeChunk(h.get(), QByteArray(32, '\x01'));
    return r;
}

void VirtualMouseFaults::faultBehaves_data()
{
    QTest::addColumn<QByteArray>("configKey");
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("sendResult");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("writeResult");
    QTest::addColumn<bool>("rateStored");
    QTest::addColumn<bool>("matrixStored");

    const QString echo = "000012345678"
                         "0000eb";
    QTest::newRow("none") << QByteArray() << -1 << true << 9 << echo << 33 << true << true;
    QTest::newRow("open fails") << QByteArray("openFails") << int(VM_FAULT_OPEN_FAILS) << false << 0 << QString() << 0
                                << false << false;
    QTest::newRow("no reply") << QByteArray("noReply") << int(VM_FAULT_NO_REPLY) << true << 9 << QString() << 33 << true
                              << true;
    QTest::newRow("wrong echo") << QByteArray("wrongEcho") << int(VM_FAULT_WRONG_ECHO) << true << 9
                                << "0000edcba987"
                                   "000017"
                                << 33 << true << true;
    QTest::newRow("feature report error")
        << QByteArray("featureError") << int(VM_FAULT_FEATURE_ERROR) << true << -1 << QString() << 33 << false << false;
    QTest::newRow("write error") << QByteArray("writeError") << int(VM_FAULT_WRITE_ERROR) << true << 9 << echo << -1
                                 << true << false;
}

void VirtualMouseFaults::faultBehaves()
{
    QFETCH(QByteArray, configKey);
    QFETCH(int, fault);
    QFETCH(bool, opens);
    QFETCH(int, sendResult);
    QFETCH(QString, reply);
    QFETCH(int, writeResult);
    QFETCH(bool, rateStored);
    QFETCH(bool, matrixStored);

    for (const bool fromConfig : {true, false}) {
        const QByteArray ini = plainMouse(553) + (fromConfig && !configKey.isEmpty() ? configKey + "=true\n" : "");
        QCOMPARE(configure(ini), 1);
        const QJsonValue matrixBefore = device(0).value("keyMatrices").toArray().at(0);
        if (!fromConfig && fault >= 0)
            QCOMPARE(vm_set_fault(0, vm_fault(fault), 1), 0);

        QVERIFY(enumeratedPaths().contains("virtual:0:cmd")); // every fault keeps the mouse listed
        const Round r = runRound();
        QCOMPARE(r.opened, opens);
        if (opens) {
            QCOMPARE(r.handshakeSend, sendResult);
            QCOMPARE(toHex(r.handshakeReply), reply);
            QCOMPARE(r.payloadWrite, writeResult);
        } else {
            QVERIFY(traceOps().contains("open-failed virtual:0:cmd -"));
        }
        QCOMPARE(device(0).value("reportRate").toInt() == 8, rateStored);
        QCOMPARE(device(0).value("keyMatrices").toArray().at(0) != matrixBefore, matrixStored);

        // Cleared at run time, the mouse works again.
        if (fault >= 0) {
            QCOMPARE(vm_set_fault(0, vm_fault(fault), 0), 0);
            const Round healed = runRound();
            QVERIFY(healed.opened);
            QCOMPARE(toHex(healed.handshakeReply), QString("000012345678"
                                                           "0000eb"));
        }
    }
}

void VirtualMouseFaults::absentMouseIsNeitherListedNorOpened_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("unplugAtRunTime");

    QTest::newRow("present = false") << QByteArray("[m]\npresent=false\n") << false;
    QTest::newRow("absent = true") << QByteArray("[m]\nabsent=true\n") << false;
    QTest::newRow("unplugged at run time") << QByteArray("[m]\n") << true;
}

void VirtualMouseFaults::absentMouseIsNeitherListedNorOpened()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, unplugAtRunTime);
    QCOMPARE(configure(ini), 1);
    if (unplugAtRunTime)
        vm_set_present(0, 0);
    QCOMPARE(enumeratedPaths(), QStringList{});
    QVERIFY(!hid_open_path("virtual:0:cmd"));
    QVERIFY(!hid_open_path("virtual:0:event"));
    QVERIFY(!hid_open(0x04d9, 0xa1ee, nullptr));
    QCOMPARE(device(0).value("present").toBool(), false);
    vm_set_present(0, 1);
    QCOMPARE(enumeratedPaths().size(), 2);
}

void VirtualMouseFaults::unplugAfterCalls_data()
{
    QTest::addColumn<bool>("fromConfig");
    QTest::addColumn<int>("calls");

    QTest::newRow("config, 1 call") << true << 1;
    QTest::newRow("config, 3 calls") << true << 3;
    QTest::newRow("run time, 2 calls") << false << 2;
    QTest::newRow("run time, 5 calls") << false << 5;
}

void VirtualMouseFaults::unplugAfterCalls()
{
    QFETCH(bool, fromConfig);
    QFETCH(int, calls);
    const QByteArray extra = fromConfig ? "unplugAfter=" + QByteArray::number(calls) + "\n" : QByteArray();
    QCOMPARE(configure(plainMouse(553) + extra), 1);
    if (!fromConfig)
        QCOMPARE(vm_set_fault(0, VM_FAULT_UNPLUG_AFTER, calls), 0);

    // The open is the first call; queries follow until the mouse is gone.
    hid_device *dev = hid_open_path("virtual:0:cmd");
    QVERIFY(dev);
    int succeeded = 1;
    for (int i = 0; i < 8 && sendFeature(dev, kRate8) == 9; ++i)
        ++succeeded;
    QCOMPARE(succeeded, calls);
    QVERIFY(QString::fromWCharArray(hid_error(dev)).contains("disconnected"));
    QCOMPARE(enumeratedPaths(), QStringList{});
    QCOMPARE(device(0).value("present").toBool(), false);
    hid_close(dev);
}

void VirtualMouseFaults::unplugEndsHandlesAndWakesReads()
{
    QCOMPARE(configure(plainMouse(560)), 1);
    Handle cmd("virtual:0:cmd");
    Handle event("virtual:0:event");
    vm_press_dpi(0);

    QCOMPARE(sendFeature(cmd.get(), hex("00 8c 01 00 00 00 00 00 72")), 9);
    std::thread puller([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        vm_set_present(0, 0);
    });
    QElapsedTimer timer;
    timer.start();
    QByteArray buf(33, '\0');
    QCOMPARE(readTimeout(event.get(), 0, 4).count, 4);
    // The listener's next read waits for an event that never comes; the unplug ends it.
    const int n = hid_read_timeout(event.get(), reinterpret_cast<unsigned char *>(buf.data()), 4, 5000);
    puller.join();
    QCOMPARE(n, -1);
    QVERIFY(timer.elapsed() < 2000);

    QCOMPARE(readTimeout(cmd.get(), 0).count, -1);
    QCOMPARE(sendFeature(cmd.get(), kRate8), -1);
    QCOMPARE(getFeature(cmd.get()), QByteArray());
    QCOMPARE(writeChunk(cmd.get(), QByteArray(4, '\0')), -1);

    // Plugged again, the old handles stay dead and new ones start clean.
    vm_set_present(0, 1);
    QCOMPARE(sendFeature(cmd.get(), kRate8), -1);
    Handle fresh("virtual:0:cmd");
    QCOMPARE(readTimeout(fresh.get(), 0).count, 0);
    Handle freshEvent("virtual:0:event");
    QCOMPARE(readTimeout(freshEvent.get(), 0).count, 0);
}

void VirtualMouseFaults::plugAgainKeepsTheSettings()
{
    QCOMPARE(configure(plainMouse(553)), 1);
    {
        Handle h("virtual:0:cmd");
        QCOMPARE(sendFeature(h.get(), kRate8), 9);
    }
    vm_set_present(0, 0);
    vm_set_present(0, 1);
    QCOMPARE(device(0).value("reportRate").toInt(), 8);
    QCOMPARE(device(0).value("present").toBool(), true);
}

void VirtualMouseFaults::resetRestoresTheConfiguredMouse()
{
    QCOMPARE(configure(plainMouse(553) + "noReply=true\n"), 1);
    const QJsonObject configured = device(0);
    Handle h("virtual:0:cmd");
    QCOMPARE(sendFeature(h.get(), kRate8), 9);
    vm_set_fault(0, VM_FAULT_NO_REPLY, 0);
    vm_set_fault(0, VM_FAULT_WRITE_ERROR, 1);
    vm_press_dpi(0);

    vm_reset();
    QCOMPARE(device(0), configured);
    QCOMPARE(sendFeature(h.get(), kRate8), -1); // handles from before the reset are gone
    Handle fresh("virtual:0:cmd");
    QCOMPARE(sendFeature(fresh.get(), kHandshake), 9);
    QCOMPARE(getFeature(fresh.get()), QByteArray());            // the configured fault is back
    QCOMPARE(writeChunk(fresh.get(), QByteArray(4, '\0')), 33); // the run-time one is gone
}

void VirtualMouseFaults::unknownDeviceOrFaultIsRefused()
{
    QCOMPARE(configure(plainMouse(553)), 1);
    QCOMPARE(vm_set_fault(1, VM_FAULT_NO_REPLY, 1), -1);
    QCOMPARE(vm_set_fault(-1, VM_FAULT_NO_REPLY, 1), -1);
    QCOMPARE(vm_set_fault(0, vm_fault(99), 1), -1);
    QCOMPARE(vm_set_fault(0, VM_FAULT_UNPLUG_AFTER, -3), -1);
    vm_press_dpi(7);
    vm_set_present(-2, 0);
    QCOMPARE(device(0).value("present").toBool(), true);
    QCOMPARE(device(0).value("pendingEvents").toInt(), 0);
    // Calls on no handle fail instead of crashing.
    QCOMPARE(hid_send_feature_report(nullptr, nullptr, 0), -1);
    QCOMPARE(hid_read_timeout(nullptr, nullptr, 0, 0), -1);
    hid_close(nullptr);
}

QTEST_GUILESS_MAIN(VirtualMouseFaults)
#include "tst_vm_faults.moc"
