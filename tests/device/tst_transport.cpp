// The transport's framing, cipher and exchanges: what goes over the link,
// how failures end an exchange, and that a failure never leaves the link
// busy or a handle open.
#include "linkbench.h"

#include "device/framing.h"
#include "device/hidthread.h"
#include "device/linkcipher.h"
#include "virtual_mouse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QElapsedTimer>
#include <QTest>

#include <array>

using namespace linkbench;

namespace {

QJsonObject mouseState()
{
    return QJsonDocument::fromJson(QByteArray(vm_state_json()))
        .object()
        .value(QStringLiteral("devices"))
        .toArray()
        .at(0)
        .toObject();
}

QList<int> intsOf(const QJsonValue &v)
{
    QList<int> out;
    for (const QJsonValue x : v.toArray())
        out << x.toInt();
    return out;
}

void fillPayload(Hid_Thread &h, int seed)
{
    for (int i = 0; i < Hid_Thread::kPayloadSize; ++i)
        h.payload[i] = uint8_t(seed + i);
}

QByteArray payloadBytes(Hid_Thread &h, int from, int count)
{
    return QByteArray(reinterpret_cast<const char *>(h.payload.data() + from), count);
}

// A command report for the transport's buffer.
void prepare(Hid_Thread &h, uint8_t code, framing::Args args = {})
{
    h.commandReport = framing::commandReport(code, args);
}

} // namespace

class tst_Transport : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramFolder> m_folder;
private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<ProgramFolder>();
        QVERIFY(m_folder->isValid());
    }

    void checksum_data();
    void checksum();
    void cipherRoundTripsAndIgnoresOuterCodeBytes();
    void cipherAgreesWithTheMouse();

    void plainCommandIsOneFeatureReport();
    void shortPayloadIsOneZeroFilledReport();
    void payloadThatDoesNotFillTheLastReport();
    void failuresEndTheExchange_data();
    void failuresEndTheExchange();
    void failedOpenClearsThePathUntilTheNextPass();
    void commandsWithoutAnEntryTouchNothing();
    void silentQueryKeepsItsPresets();
    void dataPhaseThatStopsEndsWithinItsWait();
    void payloadSlotWithoutDataSendsNothing();
};

void tst_Transport::checksum_data()
{
    QTest::addColumn<QByteArray>("seven");
    QTest::addColumn<int>("expected");
    QTest::newRow("seven zeros") << hex("00 00 00 00 00 00 00") << 0xFF;
    QTest::newRow("report rate 2") << hex("01 02 00 00 00 00 00") << 0xFC;
    QTest::newRow("carries are dropped") << hex("ff ff ff ff ff ff ff") << 0x06;
    QTest::newRow("key matrix 2") << hex("12 02 40 08 00 00 00") << 0xA3;
    QTest::newRow("sum of 256 is 0") << hex("80 80 00 00 00 00 00") << 0xFF;
}

void tst_Transport::checksum()
{
    QFETCH(QByteArray, seven);
    QFETCH(int, expected);
    Hid_Thread h;
    QCOMPARE(int(h.hidCS(reinterpret_cast<uchar *>(seven.data()))), expected);
    QCOMPARE(int(h.hidCS(nullptr)), 0);
}

void tst_Transport::cipherRoundTripsAndIgnoresOuterCodeBytes()
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 2000; ++round) {
        std::array<uint8_t, 8> plain;
        std::array<uint8_t, 8> code;
        for (auto &b : plain)
            b = uint8_t(random.bounded(256));
        for (auto &b : code)
            b = uint8_t(random.bounded(256));

        std::array<uint8_t, 8> block = plain;
        linkcipher::encipher(block, code);
        std::array<uint8_t, 8> otherOuter = code;
        otherOuter[0] = uint8_t(~code[0]);
        otherOuter[7] = uint8_t(code[7] + 1);
        std::array<uint8_t, 8> again = plain;
        linkcipher::encipher(again, otherOuter);
        QCOMPARE(again, block);

        linkcipher::decipher(block, otherOuter);
        QCOMPARE(block, plain);
    }

    // The slots work the same way in place.
    Hid_Thread h;
    uchar block[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    uchar code[8] = {0, '5', '1', '9', '3', '7', '0', 0};
    h.USBDataEncryption(block, code);
    QVERIFY(QByteArray(reinterpret_cast<char *>(block), 8) != hex("01 02 03 04 05 06 07 08"));
    h.USBDataDecipher(block, code);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(block), 8), hex("01 02 03 04 05 06 07 08"));
    h.USBDataEncryption(nullptr, code);
}

void tst_Transport::cipherAgreesWithTheMouse()
{
    // An enciphered mouse with its own implementation of the cipher: it acts
    // on what it deciphers and answers enciphered.
    Bench bench("[mouse]\nfamily = 553\nisEncode = true\nsCode = 519370\n", {entryFor(0, true)}, 0, false);
    QVERIFY(bench.isValid());
    const QByteArray code = QByteArrayLiteral("519370");
    for (int i = 0; i < 6; ++i)
        bench.hid().secrecyCode[1 + i] = uint8_t(code[i]);

    bench.hid().hid553_03H_SetKeyboardoption(0x11, 0x22, 0x33, 0x44);
    QCOMPARE(intsOf(mouseState().value("keyboardOption")), QList<int>({0x11, 0x22, 0x33, 0x44}));
    const framing::Report plain = framing::commandReport(0x03, {0x11, 0x22, 0x33, 0x44});
    const QList<TraceEntry> sent = linkbench::reports();
    QCOMPARE(sent.size(), 1);
    QVERIFY(!sent.first().badChecksum);
    QVERIFY(sent.first().hex != toHex(QByteArray(reinterpret_cast<const char *>(plain.data()), 9)));
    QCOMPARE(sent.first().hex.left(2), QStringLiteral("00"));

    // The reply comes back enciphered and is read deciphered.
    uchar a = 0, b = 0, c = 0, d = 0;
    bench.hid().hid553_83H_GetKeyboardoption(a, b, c, d);
    QCOMPARE(QList<int>({a, b, c, d}), QList<int>({0x11, 0x22, 0x33, 0x44}));
}

void tst_Transport::plainCommandIsOneFeatureReport()
{
    Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    prepare(h, 0x01, {0x04});
    QVERIFY(h.waitIdle());
    QCOMPARE(h.sendCommand(0, false), 1);
    QCOMPARE(reportTexts(), QStringList{"feature-send 0001040000000000fa"});
    QVERIFY(h.isIdle());
    QVERIFY(bench.clock().sleeps().isEmpty());
    QCOMPARE(handlesLeftOpen(), 0);
}

void tst_Transport::shortPayloadIsOneZeroFilledReport()
{
    Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    fillPayload(h, 0x61);
    prepare(h, 0x11, {0x04, 0x08});
    QCOMPARE(h.sendCommand(8, false), 1);
    const QStringList r = reportTexts();
    QCOMPARE(r.size(), 2);
    QCOMPARE(r[1], QStringLiteral("write ") + outputReport(payloadBytes(h, 0, 8)));
    QCOMPARE(r[1].size(), 6 + 2 * 33);
    QCOMPARE(bench.clock().sleeps(), QList<int>{120});
}

void tst_Transport::payloadThatDoesNotFillTheLastReport()
{
    // Report length 20: 64 bytes go out as 20, 20, 20 and a last whole
    // chunk of 20 that carries what follows in the payload buffer.
    Bench bench(plainMouse(553, false, 20), {entryFor(0, false, 20)}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    fillPayload(h, 0x01);
    prepare(h, 0x12, {0x01, 0x40, 0x08});
    QCOMPARE(h.sendCommand(64, true), 1);
    const QStringList r = reportTexts();
    QCOMPARE(r.size(), 5);
    for (int k = 0; k < 4; ++k)
        QCOMPARE(r[1 + k], QStringLiteral("write ") + outputReport(payloadBytes(h, 20 * k, 20), 20));
    QCOMPARE(bench.clock().sleeps(), QList<int>({64, 64, 120, 120, 120, 120, 64, 64}));
    QVERIFY(everyReportOnFreshHandle());
}

void tst_Transport::failuresEndTheExchange_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("query");
    QTest::addColumn<QStringList>("reports");

    QTest::newRow("feature report refused, send")
        << int(VM_FAULT_FEATURE_ERROR) << false << QStringList{"feature-send"};
    QTest::newRow("feature report refused, query")
        << int(VM_FAULT_FEATURE_ERROR) << true << QStringList{"feature-send"};
    QTest::newRow("no reply") << int(VM_FAULT_NO_REPLY) << true << QStringList{"feature-send", "feature-get"};
    QTest::newRow("output report refused")
        << int(VM_FAULT_WRITE_ERROR) << false << QStringList{"feature-send", "write"};
    QTest::newRow("interface cannot be opened") << int(VM_FAULT_OPEN_FAILS) << false << QStringList{};
}

void tst_Transport::failuresEndTheExchange()
{
    QFETCH(int, fault);
    QFETCH(bool, query);
    QFETCH(QStringList, reports);

    Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    vm_set_fault(0, vm_fault(fault), 1);
    Hid_Thread &h = bench.hid();
    QVERIFY(h.waitIdle());
    if (query) {
        prepare(h, 0x83);
        QCOMPARE(h.queryCommand(0), 0);
    } else {
        fillPayload(h, 0);
        prepare(h, 0x12, {0x01, 0x40, 0x08});
        QCOMPARE(h.sendCommand(64, true), 0);
    }
    QStringList ops;
    for (const TraceEntry &e : linkbench::reports())
        ops << e.op;
    QCOMPARE(ops, reports);
    QVERIFY(h.isIdle());
    QVERIFY(!h.cmdHandle);
    QCOMPARE(handlesLeftOpen(), 0);
}

void tst_Transport::failedOpenClearsThePathUntilTheNextPass()
{
    Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    vm_set_fault(0, VM_FAULT_OPEN_FAILS, 1);
    bench.hid().hid553_01H_SetReportRate(1);
    QVERIFY(bench.hid().entry(0)->cmdPath.isEmpty());

    // Once the path is gone nothing reaches the mouse, even when it could
    // be opened again.
    vm_set_fault(0, VM_FAULT_OPEN_FAILS, 0);
    vm_trace_clear();
    bench.hid().hid553_01H_SetReportRate(1);
    QVERIFY(trace().isEmpty());
    QVERIFY(bench.hid().isIdle());
}

void tst_Transport::commandsWithoutAnEntryTouchNothing()
{
    // As constructed: an empty table and entry 1.
    Bench bench(plainMouse(553), {}, 1, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    h.hid553_01H_SetReportRate(1);
    uchar a = 7;
    h.hid553_8BH_GetCurrentDPI(a);
    uchar image[128] = {};
    h.hid560_8CH_readProfile(image, 0);
    QVERIFY(!h.chkDeviceIsEnCode(5));
    h.startListening(5);
    h.waitForListenerEnd();
    QVERIFY(!h.isListening());
    QCOMPARE(int(a), 7);
    QVERIFY(trace().isEmpty());
    QVERIFY(h.isIdle());
}

void tst_Transport::silentQueryKeepsItsPresets()
{
    Bench bench(plainMouse(560), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    bench.setFamily(QStringLiteral("560"));
    vm_set_fault(0, VM_FAULT_NO_REPLY, 1);
    Hid_Thread &h = bench.hid();

    uchar dpi = 5;
    h.hid553_8BH_GetCurrentDPI(dpi);
    QCOMPARE(int(dpi), 5);
    uchar o1 = 0x21, o2 = 0x42;
    h.hid560_81H_GetKeyboardoption(o1, o2);
    QCOMPARE(QList<int>({o1, o2}), QList<int>({0x21, 0x42}));
    uchar which = 1, stage = 6;
    h.hid560_84H_GetCurrentDPI(which, stage);
    QCOMPARE(QList<int>({which, stage}), QList<int>({1, 6}));
    // 00H presets zeros, not the challenge.
    uchar c1 = 9, c2 = 8, c3 = 7, c4 = 6;
    h.hid553_00H_GetSecrecyCode(c1, c2, c3, c4);
    QCOMPARE(QList<int>({c1, c2, c3, c4}), QList<int>({0, 0, 0, 0}));
    QVERIFY(h.isIdle());
}

void tst_Transport::dataPhaseThatStopsEndsWithinItsWait()
{
    // The table says 32-byte reports, the mouse sends two of 64: the third
    // read finds nothing and the exchange gives up instead of blocking.
    Bench bench(plainMouse(560, false, 64), {entryFor(0, false, 32)}, 0, false);
    QVERIFY(bench.isValid());
    vm_set_read_wait_ms(60000);
    Hid_Thread &h = bench.hid();
    prepare(h, 0x8C, {0x01});
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(h.queryCommand(128), 0);
    QVERIFY(timer.elapsed() < 5 * Hid_Thread::kPayloadReadMs);
    QStringList reads;
    for (const TraceEntry &e : linkbench::reports())
        if (e.op.startsWith(QLatin1String("read")))
            reads << e.op + QLatin1Char(' ') + e.hex;
    QCOMPARE(reads.size(), 3);
    QCOMPARE(reads.last(), QStringLiteral("read-timeout -"));
    QVERIFY(h.isIdle());
    QCOMPARE(handlesLeftOpen(), 0);
}

void tst_Transport::payloadSlotWithoutDataSendsNothing()
{
    Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    Hid_Thread &h = bench.hid();
    h.hid553_12H_SetKeyMatrix(nullptr, 1);
    h.hid553_13H_SetMacroKey(1, nullptr);
    h.hid553_11H_SetDPISet(4, nullptr);
    h.hid553_0CH_SetFixLEDColor(nullptr);
    h.hid553_10H_SetLED8StageColor(0, nullptr);
    h.hid560_0DH_SetKeyMatrix(nullptr, 1);
    h.hid560_0CH_setProfile(nullptr, 1);
    h.hid560_8CH_readProfile(nullptr, 1);
    h.hid560_0FH_SetMacroKey(1, nullptr);
    QVERIFY(trace().isEmpty());
    QVERIFY(h.isIdle());
}

QTEST_GUILESS_MAIN(tst_Transport)
#include "tst_transport.moc"
