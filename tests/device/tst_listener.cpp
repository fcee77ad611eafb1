// The handshake, the start of listening and the listener: what the mouse
// must answer to be accepted, the event-notice option, DPI events reaching
// the window on its own thread, and a mouse pulled while it is listened to.
#include "linkbench.h"

#include "device/hidthread.h"
#include "device/linkcipher.h"
#include "virtual_mouse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>
#include <QThread>

using namespace linkbench;

namespace {

QList<int> mouseBytes(const char *field)
{
    QList<int> out;
    const QJsonObject d = QJsonDocument::fromJson(QByteArray(vm_state_json()))
                              .object()
                              .value(QStringLiteral("devices"))
                              .toArray()
                              .at(0)
                              .toObject();
    for (const QJsonValue v : d.value(QLatin1String(field)).toArray())
        out << v.toInt();
    return out;
}

// The command codes of the feature reports sent (plain links only).
QStringList sentCodes()
{
    QStringList out;
    for (const TraceEntry &e : reports())
        if (e.op == QLatin1String("feature-send"))
            out << e.hex.mid(2, 2);
    return out;
}

int eventReads()
{
    int n = 0;
    for (const TraceEntry &e : trace())
        if (e.op == QLatin1String("read-timeout") && e.path.endsWith(QLatin1String(":event")))
            ++n;
    return n;
}

QByteArray mouseIni(const char *extra)
{
    return QByteArray("[mouse]\nfamily = 553\nisEncode = false\n") + extra;
}

} // namespace

class tst_Listener : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramFolder> m_folder;
private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<ProgramFolder>();
        QVERIFY(m_folder->isValid());
    }

    void handshake_data();
    void handshake();
    void handshakeDrawsFreshChallenges();
    void secrecyCodeOfTheWrongLengthKeepsThePreviousOne();
    void startListeningSwitchesOnEventNotices_data();
    void startListeningSwitchesOnEventNotices();
    void dpiEventsReachTheWindowWithTheirText_data();
    void dpiEventsReachTheWindowWithTheirText();
    void pulledMouseEndsTheListener();
    void entryWithoutEventInterfaceEndsAtOnceAndClearsTheFlag();
    void restartEndsThePreviousListener();
};

void tst_Listener::handshake_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("isEncode");
    QTest::addColumn<QString>("sCode");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("plain echo") << mouseIni("") << false << "519370" << true;
    QTest::newRow("wrong echo") << mouseIni("wrongEcho = true\n") << false << "519370" << false;
    QTest::newRow("no reply") << mouseIni("noReply = true\n") << false << "519370" << false;
    QTest::newRow("cannot be opened") << mouseIni("openFails = true\n") << false << "519370" << false;
    QTest::newRow("enciphered, same code")
        << QByteArray("[m]\nfamily = 560\nisEncode = true\nsCode = 482913\n") << true << "482913" << true;
    QTest::newRow("enciphered, other code")
        << QByteArray("[m]\nfamily = 560\nisEncode = true\nsCode = 482913\n") << true << "519370" << false;
    QTest::newRow("table says plain, mouse enciphers")
        << QByteArray("[m]\nfamily = 560\nisEncode = true\n") << false << "519370" << false;
}

void tst_Listener::handshake()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, isEncode);
    QFETCH(QString, sCode);
    QFETCH(bool, accepted);

    DeviceEntry e = entryFor(0, isEncode);
    e.sCode = sCode;
    Bench bench(ini, {DeviceEntry{}, e}, 0, false);
    QVERIFY(bench.isValid());
    // Several tries: a lucky challenge must not change the verdict.
    for (int i = 0; i < 8; ++i)
        QCOMPARE(bench.hid().chkDeviceIsEnCode(1), accepted);
    QCOMPARE(bench.hid().deviceIndex, 1);
    QVERIFY(bench.hid().isIdle());
    QCOMPARE(handlesLeftOpen(), 0);
}

void tst_Listener::handshakeDrawsFreshChallenges()
{
    Bench bench(mouseIni(""), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    QSet<QString> challenges;
    for (int i = 0; i < 4; ++i)
        QVERIFY(bench.hid().chkDeviceIsEnCode(0));
    for (const TraceEntry &e : reports()) {
        if (e.op == QLatin1String("feature-send")) {
            QCOMPARE(e.hex.mid(2, 2), QStringLiteral("00"));
            challenges.insert(e.hex.mid(4, 8));
        }
    }
    QCOMPARE(challenges.size(), 4);
}

void tst_Listener::secrecyCodeOfTheWrongLengthKeepsThePreviousOne()
{
    const QByteArray ini("[m]\nfamily = 560\nisEncode = true\nsCode = 519370\n");
    DeviceEntry good = entryFor(0, true);
    good.sCode = QStringLiteral("519370");
    DeviceEntry shortCode = good;
    shortCode.sCode = QStringLiteral("51937");
    DeviceEntry longCode = good;
    longCode.sCode = QStringLiteral("5193700");

    Bench bench(ini, {shortCode, good, longCode}, 0, false);
    QVERIFY(bench.isValid());
    // Nothing set the code yet: all zero, which the mouse does not share.
    QVERIFY(!bench.hid().chkDeviceIsEnCode(0));
    QVERIFY(bench.hid().chkDeviceIsEnCode(1));
    QVERIFY(bench.hid().chkDeviceIsEnCode(0));
    QVERIFY(bench.hid().chkDeviceIsEnCode(2));
    const linkcipher::Code code = bench.hid().secrecyCode;
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(code.data()), 8), QByteArray("\0"
                                                                                    "519370"
                                                                                    "\0",
                                                                                    8));
}

void tst_Listener::startListeningSwitchesOnEventNotices_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<bool>("readFails");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QList<int>>("option");

    // 553: byte 4 gains 0x40; 560: byte 1 gains 0x08; the rest is kept.
    QTest::newRow("553") << 553 << false << QStringList{"03", "83", "03"} << QList<int>{0x01, 0x02, 0x03, 0x44};
    QTest::newRow("560") << 560 << false << QStringList{"01", "81", "01"} << QList<int>{0x0B, 0x02};
    QTest::newRow("553, option not read: nothing written")
        << 553 << true << QStringList{"03", "83"} << QList<int>{0x01, 0x02, 0x03, 0x04};
    QTest::newRow("560, option not read: nothing written")
        << 560 << true << QStringList{"01", "81"} << QList<int>{0x03, 0x02};
}

void tst_Listener::startListeningSwitchesOnEventNotices()
{
    QFETCH(int, family);
    QFETCH(bool, readFails);
    QFETCH(QStringList, codes);
    QFETCH(QList<int>, option);

    Bench bench(plainMouse(family), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    bench.setFamily(QString::number(family));
    Hid_Thread &h = bench.hid();
    if (family == 553)
        h.hid553_03H_SetKeyboardoption(0x01, 0x02, 0x03, 0x04);
    else
        h.hid560_01H_SetKeyboardoption(0x03, 0x02);
    if (readFails)
        vm_set_fault(0, VM_FAULT_NO_REPLY, 1);

    h.startListening(0);
    QVERIFY(h.isListening());
    h.stopListening();
    h.waitForListenerEnd();

    QCOMPARE(sentCodes(), codes);
    QCOMPARE(mouseBytes("keyboardOption"), option);
}

void tst_Listener::dpiEventsReachTheWindowWithTheirText_data()
{
    QTest::addColumn<int>("fromStage");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("text");

    QTest::newRow("stage 3 shows text 2") << 2 << 3 << "three ";
    QTest::newRow("stage 1 shows text 0") << 8 << 1 << "one ";
    QTest::newRow("stage 8 shows text 7") << 7 << 8 << "other ";
}

void tst_Listener::dpiEventsReachTheWindowWithTheirText()
{
    QFETCH(int, fromStage);
    QFETCH(int, stage);
    QFETCH(QString, text);

    Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    h.dpiSwitchTexts.replace({"one", "two", "three", "four", "five", "six", "seven", "other"});
    uchar codes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    h.hid553_11H_SetDPISet(8, codes);
    h.hid553_0BH_SetCurrentDPI(uchar(fromStage));

    h.startListening(0);
    vm_press_dpi(0);
    QTRY_COMPARE(bench.host().dpiStages, QList<int>{stage});
    QCOMPARE(bench.host().balloons, QStringList{text});
    h.stopListening();
    h.waitForListenerEnd();
    QVERIFY(bench.debug().lines().isEmpty());
}

void tst_Listener::pulledMouseEndsTheListener()
{
    Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    h.startListening(0);
    // Let the listener reach its read before the cable goes.
    QTRY_VERIFY(eventReads() > 0);
    vm_set_present(0, 0);

    QTRY_VERIFY(!h.isListening());
    h.waitForListenerEnd();
    QCOMPARE(bench.debug().lines(), QStringList{"Device removed"});
    QTRY_COMPARE(bench.host().events, QStringList{"disable"});
    QVERIFY(h.entry(0)->eventPath.isEmpty());
    QVERIFY(!h.entry(0)->cmdPath.isEmpty());
    QVERIFY(!h.eventHandle);
}

void tst_Listener::entryWithoutEventInterfaceEndsAtOnceAndClearsTheFlag()
{
    DeviceEntry e = entryFor(0);
    e.eventPath.clear();
    Bench bench(plainMouse(553), {e}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    h.startListening(0);
    h.waitForListenerEnd();
    QVERIFY(!h.isListening());
    for (const TraceEntry &t : trace())
        QCOMPARE(t.path, QStringLiteral("virtual:0:cmd"));
}

void tst_Listener::restartEndsThePreviousListener()
{
    Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    h.startListening(0);
    const QFuture<void> first = h.listenerTask();
    h.startListening(0);
    QVERIFY(first.isFinished());
    QVERIFY(h.isListening());
    QVERIFY(h.listenerActive());
}

QTEST_GUILESS_MAIN(tst_Listener)
#include "tst_listener.moc"
