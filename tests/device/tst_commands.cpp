// Every command of both families: the exact reports the mouse receives and
// the pauses between them, and what the queries hand back.
#include "linkbench.h"

#include "device/hidthread.h"
#include "virtual_mouse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <functional>
#include <numeric>

using namespace linkbench;

using Invoke = std::function<void(Hid_Thread &)>;
Q_DECLARE_METATYPE(Invoke)

namespace {

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char(seed + i);
    return b;
}

uchar *bytes(QByteArray &b)
{
    return reinterpret_cast<uchar *>(b.data());
}

QString send(const char *report)
{
    return QStringLiteral("feature-send ") + QString::fromLatin1(report);
}

// The output reports that carry `data` in chunks of the report length.
QStringList writes(const QByteArray &data, int reportLength = 32)
{
    QStringList out;
    for (int off = 0; off < data.size(); off += reportLength)
        out << QStringLiteral("write ") + outputReport(data.mid(off, reportLength), reportLength);
    return out;
}

// Reports as "op hex" for sends and writes and as "op" for what the mouse
// answered, whose bytes belong to the mouse.
QStringList observed()
{
    QStringList out;
    for (const TraceEntry &e : reports()) {
        if (e.op == QLatin1String("feature-send") || e.op == QLatin1String("write"))
            out << e.op + QLatin1Char(' ') + e.hex;
        else
            out << e.op;
    }
    return out;
}

// The time from each report to the next, then from the last one to the
// command's return.
QList<int> pausesUntil(uint64_t end)
{
    const QList<TraceEntry> r = reports();
    QList<int> out;
    for (int i = 1; i < r.size(); ++i)
        out << int(r[i].ms - r[i - 1].ms);
    if (!r.isEmpty())
        out << int(qint64(end) - r.last().ms);
    return out;
}

QJsonObject mouseState()
{
    return QJsonDocument::fromJson(QByteArray(vm_state_json()))
        .object()
        .value(QStringLiteral("devices"))
        .toArray()
        .at(0)
        .toObject();
}

} // namespace

class tst_Commands : public QObject {
    Q_OBJECT
    // Nothing here reads a file: one program folder serves every row.
    std::unique_ptr<ProgramFolder> m_folder;
private slots:
    void initTestCase()
    {
        m_folder = std::make_unique<ProgramFolder>();
        QVERIFY(m_folder->isValid());
    }
    void reportsAndPauses_data();
    void reportsAndPauses();
    void queriesHandBackTheReply();
    void readProfileDeliversTheImage();
    void busyLinkDropsEveryCommand_data();
    void busyLinkDropsEveryCommand();
};

void tst_Commands::reportsAndPauses_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<bool>("gun");
    QTest::addColumn<Invoke>("invoke");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("pauses");

    const QString get = QStringLiteral("feature-get");
    const QString read = QStringLiteral("read-timeout");
    const QByteArray m64 = pattern(64, 0x21);
    const QByteArray m128 = pattern(128, 0x40);
    const QByteArray codes8 = pattern(8, 0x07);
    const QByteArray colours24 = pattern(24, 0x90);

    QTest::newRow("553 00H sends the challenge, reads the reply") << 553 << false << Invoke([](Hid_Thread &h) {
        uchar a = 0x11, b = 0x22, c = 0x33, d = 0x44;
        h.hid553_00H_GetSecrecyCode(a, b, c, d);
    }) << QStringList{send("000011223344000055"), get} << QList<int>{0, 0};
    QTest::newRow("553 83H keyboard option query") << 553 << false << Invoke([](Hid_Thread &h) {
        uchar a = 0, b = 0, c = 0, d = 0;
        h.hid553_83H_GetKeyboardoption(a, b, c, d);
    }) << QStringList{send("00830000000000007c"), get}
                                                   << QList<int>{0, 0};
    QTest::newRow("553 8BH current DPI query") << 553 << false << Invoke([](Hid_Thread &h) {
        uchar a = 9;
        h.hid553_8BH_GetCurrentDPI(a);
    }) << QStringList{send("008b00000000000074"), get}
                                               << QList<int>{0, 0};
    QTest::newRow("553 03H keyboard option, 8 ms after")
        << 553 << false << Invoke([](Hid_Thread &h) { h.hid553_03H_SetKeyboardoption(1, 2, 3, 0x44); })
        << QStringList{send("0003010203440000b2")} << QList<int>{8};
    QTest::newRow("553 04H gun data behind a zero byte, 8 ms after")
        << 553 << false << Invoke([](Hid_Thread &h) { h.hid553_04H_SetGunData(5, 6, 7, 2); })
        << QStringList{send("0004000506070200e7")} << QList<int>{8};
    QTest::newRow("553 01H report rate settles")
        << 553 << false << Invoke([](Hid_Thread &h) { h.hid553_01H_SetReportRate(2); })
        << QStringList{send("0001020000000000fc")} << QList<int>{128};
    QTest::newRow("553 0BH current DPI settles")
        << 553 << false << Invoke([](Hid_Thread &h) { h.hid553_0BH_SetCurrentDPI(3); })
        << QStringList{send("000b030000000000f1")} << QList<int>{128};
    QTest::newRow("553 12H key matrix in two reports") << 553 << false << Invoke([m64](Hid_Thread &h) {
        QByteArray m = m64;
        h.hid553_12H_SetKeyMatrix(bytes(m), 2);
    }) << (QStringList{send("0012024008000000a3")} + writes(m64))
                                                       << QList<int>{128, 120, 248};
    QTest::newRow("553 13H macro in four reports") << 553 << false << Invoke([m128](Hid_Thread &h) {
        QByteArray m = m128;
        h.hid553_13H_SetMacroKey(5, bytes(m));
    }) << (QStringList{send("001305800000000067")} + writes(m128))
                                                   << QList<int>{128, 120, 120, 120, 248};
    QTest::newRow("553 11H DPI codes in one zero-filled report") << 553 << false << Invoke([codes8](Hid_Thread &h) {
        QByteArray c = codes8;
        h.hid553_11H_SetDPISet(4, bytes(c));
    }) << (QStringList{send("0011040800000000e2")} + writes(codes8))
                                                                 << QList<int>{128, 248};
    QTest::newRow("553 02H current key matrix")
        << 553 << false << Invoke([](Hid_Thread &h) { h.hid553_02H_SetCurrentKeyMatrix(1); })
        << QStringList{send("0002010000000000fc")} << QList<int>{128};
    QTest::newRow("553 0DH lighting effect")
        << 553 << false << Invoke([](Hid_Thread &h) { h.hid553_0DH_SetRGBLedEffect(1, 7, 2); })
        << QStringList{send("000d010702000000e8")} << QList<int>{128};
    QTest::newRow("553 0CH one colour in the arguments") << 553 << false << Invoke([](Hid_Thread &h) {
        uchar c[3] = {0xff, 0x80, 0x01};
        h.hid553_0CH_SetFixLEDColor(c);
    }) << QStringList{send("000cff800100000073")} << QList<int>{128};
    QTest::newRow("553 10H type 2 sends four colour bytes") << 553 << false << Invoke([colours24](Hid_Thread &h) {
        QByteArray c = colours24;
        h.hid553_10H_SetLED8StageColor(2, bytes(c));
    }) << (QStringList{send("0010020400000000e9")} + writes(colours24.left(4)))
                                                            << QList<int>{128, 248};
    QTest::newRow("553 10H other types send 24") << 553 << false << Invoke([colours24](Hid_Thread &h) {
        QByteArray c = colours24;
        h.hid553_10H_SetLED8StageColor(0, bytes(c));
    }) << (QStringList{send("0010001800000000d7")} + writes(colours24))
                                                 << QList<int>{128, 248};

    QTest::newRow("560 81H keyboard option query") << 560 << false << Invoke([](Hid_Thread &h) {
        uchar a = 0, b = 0;
        h.hid560_81H_GetKeyboardoption(a, b);
    }) << QStringList{send("00810000000000007e"), get}
                                                   << QList<int>{0, 0};
    QTest::newRow("560 82H current profile query") << 560 << false << Invoke([](Hid_Thread &h) {
        uchar a = 0;
        h.hid560_82H_GetCurrentProfile(a);
    }) << QStringList{send("00820000000000007d"), get}
                                                   << QList<int>{0, 0};
    QTest::newRow("560 84H sends its first parameter") << 560 << false << Invoke([](Hid_Thread &h) {
        uchar a = 1, b = 0;
        h.hid560_84H_GetCurrentDPI(a, b);
    }) << QStringList{send("00840100000000007a"), get} << QList<int>{0, 0};
    QTest::newRow("560 01H keyboard option, 8 ms after")
        << 560 << false << Invoke([](Hid_Thread &h) { h.hid560_01H_SetKeyboardoption(8, 0); })
        << QStringList{send("0001080000000000f6")} << QList<int>{8};
    QTest::newRow("560 03H report rate, profile 1 only")
        << 560 << false << Invoke([](Hid_Thread &h) { h.hid560_03H_SetReportRate(3); })
        << QStringList{send("0003010300000000f8")} << QList<int>{128};
    QTest::newRow("560 03H report rate, gun mouse: profiles 1 to 4")
        << 560 << true << Invoke([](Hid_Thread &h) { h.hid560_03H_SetReportRate(3); })
        << QStringList{send("0003010300000000f8"), send("0003020300000000f7"), send("0003030300000000f6"),
                       send("0003040300000000f5")}
        << QList<int>{128, 128, 128, 128};
    QTest::newRow("560 04H current DPI, profile 1 only")
        << 560 << false << Invoke([](Hid_Thread &h) { h.hid560_04H_SetCurrentDPI(2); })
        << QStringList{send("0004010200000000f8")} << QList<int>{128};
    QTest::newRow("560 04H current DPI, gun mouse: profiles 1 to 4")
        << 560 << true << Invoke([](Hid_Thread &h) { h.hid560_04H_SetCurrentDPI(2); })
        << QStringList{send("0004010200000000f8"), send("0004020200000000f7"), send("0004030200000000f6"),
                       send("0004040200000000f5")}
        << QList<int>{128, 128, 128, 128};
    QTest::newRow("560 0DH key matrix padded with 64 zeros") << 560 << false << Invoke([m64](Hid_Thread &h) {
        QByteArray m = m64;
        h.hid560_0DH_SetKeyMatrix(bytes(m), 1);
    }) << (QStringList{send("000d01800000000071")} + writes(m64 + QByteArray(64, '\0')))
                                                             << QList<int>{128, 120, 120, 120, 248};
    QTest::newRow("560 0CH profile image") << 560 << false << Invoke([m128](Hid_Thread &h) {
        QByteArray m = m128;
        h.hid560_0CH_setProfile(bytes(m), 2);
    }) << (QStringList{send("000c02800000000071")} + writes(m128))
                                           << QList<int>{128, 120, 120, 120, 248};
    QTest::newRow("560 8CH reads four reports, no length byte") << 560 << false << Invoke([](Hid_Thread &h) {
        uchar b[128] = {};
        h.hid560_8CH_readProfile(b, 2);
    }) << QStringList{send("008c02000000000071"), get, read, read, read, read}
                                                                << QList<int>{0, 0, 0, 0, 0, 0};
    QTest::newRow("560 02H current profile, 8 ms after")
        << 560 << false << Invoke([](Hid_Thread &h) { h.hid560_02H_SetCurrentProfile(1); })
        << QStringList{send("0002010000000000fc")} << QList<int>{8};
    QTest::newRow("560 0FH macro") << 560 << false << Invoke([m128](Hid_Thread &h) {
        QByteArray m = m128;
        h.hid560_0FH_SetMacroKey(3, bytes(m));
    }) << (QStringList{send("000f0380000000006d")} + writes(m128))
                                   << QList<int>{128, 120, 120, 120, 248};
}

void tst_Commands::reportsAndPauses()
{
    QFETCH(int, family);
    QFETCH(bool, gun);
    QFETCH(Invoke, invoke);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, pauses);

    Bench bench(plainMouse(family, gun), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    bench.setFamily(QString::number(family));
    bench.setGun(gun);

    invoke(bench.hid());
    const uint64_t end = VirtualClock::now();

    QCOMPARE(observed(), expected);
    QCOMPARE(pausesUntil(end), pauses);
    QVERIFY(everyReportOnFreshHandle());
    QCOMPARE(handlesLeftOpen(), 0);
    QVERIFY(bench.hid().isIdle());
    QVERIFY(bench.debug().lines().isEmpty());
    for (const TraceEntry &e : trace())
        QVERIFY2(!e.badChecksum, qPrintable(e.hex));
}

void tst_Commands::queriesHandBackTheReply()
{
    {
        Bench bench(plainMouse(553), {entryFor(0)}, 0, false);
        QVERIFY(bench.isValid());
        Hid_Thread &h = bench.hid();
        h.hid553_03H_SetKeyboardoption(0x12, 0x34, 0x56, 0x78);
        h.hid553_0BH_SetCurrentDPI(3);
        uchar a = 0, b = 0, c = 0, d = 0;
        h.hid553_83H_GetKeyboardoption(a, b, c, d);
        QCOMPARE(QList<int>({a, b, c, d}), QList<int>({0x12, 0x34, 0x56, 0x78}));
        uchar stage = 0;
        h.hid553_8BH_GetCurrentDPI(stage);
        QCOMPARE(int(stage), 3);
        uchar e1 = 0xA1, e2 = 0xB2, e3 = 0xC3, e4 = 0xD4;
        h.hid553_00H_GetSecrecyCode(e1, e2, e3, e4);
        QCOMPARE(QList<int>({e1, e2, e3, e4}), QList<int>({0xA1, 0xB2, 0xC3, 0xD4}));
    }
    {
        Bench bench(plainMouse(560, true), {entryFor(0)}, 0, false);
        QVERIFY(bench.isValid());
        bench.setFamily(QStringLiteral("560"));
        bench.setGun(true);
        Hid_Thread &h = bench.hid();
        h.hid560_01H_SetKeyboardoption(0x09, 0x02);
        h.hid560_02H_SetCurrentProfile(3);
        h.hid560_04H_SetCurrentDPI(4);
        uchar a = 0, b = 0;
        h.hid560_81H_GetKeyboardoption(a, b);
        QCOMPARE(QList<int>({a, b}), QList<int>({0x09, 0x02}));
        uchar profile = 0;
        h.hid560_82H_GetCurrentProfile(profile);
        QCOMPARE(int(profile), 3);
        // The first parameter goes out and comes back overwritten by reply
        // byte 2; the stage comes in the second.
        uchar which = 1, stage = 0;
        h.hid560_84H_GetCurrentDPI(which, stage);
        QCOMPARE(int(which), 1);
        QCOMPARE(int(stage), 4);
        QCOMPARE(mouseState().value(QStringLiteral("currentDpi")).toArray().size(), 4);
    }
}

void tst_Commands::readProfileDeliversTheImage()
{
    Bench bench(plainMouse(560, true), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    bench.setFamily(QStringLiteral("560"));

    QByteArray written = pattern(128, 0x30);
    bench.hid().hid560_0CH_setProfile(bytes(written), 3);
    QByteArray image(128, char(0xEE));
    bench.hid().hid560_8CH_readProfile(bytes(image), 3);
    QCOMPARE(toHex(image), toHex(written));

    // A silent data phase leaves the caller's bytes as they were.
    vm_set_fault(0, VM_FAULT_NO_REPLY, 1);
    QByteArray kept(128, char(0x5A));
    bench.hid().hid560_8CH_readProfile(bytes(kept), 1);
    QCOMPARE(kept, QByteArray(128, char(0x5A)));
    QVERIFY(bench.hid().isIdle());
}

void tst_Commands::busyLinkDropsEveryCommand_data()
{
    QTest::addColumn<Invoke>("invoke");
    QTest::addColumn<QString>("message");

    QTest::newRow("00H") << Invoke([](Hid_Thread &h) {
        uchar a = 1, b = 2, c = 3, d = 4;
        h.hid553_00H_GetSecrecyCode(a, b, c, d);
    }) << "cmd Failed 00";
    QTest::newRow("553 01H") << Invoke([](Hid_Thread &h) { h.hid553_01H_SetReportRate(1); }) << "cmd Failed 01";
    QTest::newRow("553 12H") << Invoke([](Hid_Thread &h) {
        uchar m[64] = {};
        h.hid553_12H_SetKeyMatrix(m, 1);
    }) << "cmd Failed 12";
    QTest::newRow("553 8BH") << Invoke([](Hid_Thread &h) {
        uchar a = 0;
        h.hid553_8BH_GetCurrentDPI(a);
    }) << "cmd Failed 8BH";
    QTest::newRow("553 10H") << Invoke([](Hid_Thread &h) {
        uchar c[24] = {};
        h.hid553_10H_SetLED8StageColor(1, c);
    }) << "cmd Failed 10";
    QTest::newRow("560 03H") << Invoke([](Hid_Thread &h) { h.hid560_03H_SetReportRate(1); }) << "cmd Failed 03";
    QTest::newRow("560 8CH") << Invoke([](Hid_Thread &h) {
        uchar b[128] = {};
        h.hid560_8CH_readProfile(b, 0);
    }) << "cmd Failed 8c";
    QTest::newRow("560 0FH") << Invoke([](Hid_Thread &h) {
        uchar b[128] = {};
        h.hid560_0FH_SetMacroKey(1, b);
    }) << "cmd Failed 0F";
}

void tst_Commands::busyLinkDropsEveryCommand()
{
    QFETCH(Invoke, invoke);
    QFETCH(QString, message);

    Bench bench(plainMouse(560), {entryFor(0)}, 0, false);
    QVERIFY(bench.isValid());
    QVERIFY(bench.hid().waitIdle());
    bench.clock().clear();

    invoke(bench.hid());

    QCOMPARE(bench.debug().lines(), QStringList{message});
    QVERIFY(trace().isEmpty());
    const QList<int> sleeps = bench.clock().sleeps();
    QCOMPARE(sleeps.size(), Hid_Thread::kIdleTries);
    QCOMPARE(std::accumulate(sleeps.begin(), sleeps.end(), 0), 255 * 8);
    QVERIFY(!bench.hid().isIdle());
}

QTEST_GUILESS_MAIN(tst_Commands)
#include "tst_commands.moc"
