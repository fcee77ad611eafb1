// The device table as the settings file holds it, interface matching, and
// whole detection passes against virtual mice: which entry connects, what
// the window is asked to do and in which order.
#include "linkbench.h"

#include "device/devicedetection.h"
#include "device/devicetable.h"
#include "device/framing.h"
#include "device/linkcipher.h"
#include "device/hidthread.h"
#include "virtual_mouse.h"
#include "specialfiles.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTimer>

using namespace linkbench;
using devicetable::InterfaceRecord;
Q_DECLARE_METATYPE(devicetable::InterfaceRecord)

namespace {

const char kSettings[] = "modules/setting/apConfig.bin";

// A table entry in the file's own form.
QByteArray section(int index, const QByteArray &body)
{
    return "[" + QByteArray::number(index) + "]\n" + body;
}

const QByteArray kMouseEntry = "type=1\nvid=04d9\npid=a1ee\nusagePage=ff00\nusage=ff00\nusagePage2=ff01\nusage2=ff01\n"
                               "reportLength=32\nisEncode=false\nsCode=519370\n";

QByteArray tableFile(const QList<QByteArray> &entries)
{
    QByteArray out = "[common]\ndeviceCount=" + QByteArray::number(entries.size()) + "\n";
    for (int i = 0; i < entries.size(); ++i)
        out += section(i, entries[i]);
    return out;
}

QStringList connectSequence(bool profiles560 = false, bool gun = false)
{
    QStringList s{"clearHidBusy", "connected", "balloon:Mouse detected"};
    if (profiles560) {
        s << "read:0"
          << "read:1";
        if (gun)
            s << "read:2"
              << "read:3"
              << "read:4";
    }
    return s << "enable"
             << "startUI";
}

const QStringList kDisconnect{"disconnected", "hide"};

// The paths that received a handshake (command 00H), in order; enciphered
// blocks are read with the link's current secrecy code.
QStringList handshakePaths(const linkcipher::Code &code)
{
    QStringList out;
    for (const TraceEntry &e : reports()) {
        if (e.op != QLatin1String("feature-send"))
            continue;
        QByteArray report = QByteArray::fromHex(e.hex.toLatin1());
        if (report.size() != 9)
            continue;
        uint8_t *block = reinterpret_cast<uint8_t *>(report.data()) + 1;
        const bool plainHandshake = block[0] == 0x00 && framing::checksum(block) == block[7];
        linkcipher::decipher(linkcipher::Block(block, linkcipher::kBlockSize), code);
        const bool encipheredHandshake = block[0] == 0x00 && framing::checksum(block) == block[7];
        if (plainHandshake || encipheredHandshake)
            out << e.path;
    }
    return out;
}

// The profile images read (command 8CH), as "read:N" in order; enciphered
// blocks are read as above.
QStringList profileReads(const linkcipher::Code &code)
{
    QStringList out;
    for (const TraceEntry &e : reports()) {
        QByteArray report = QByteArray::fromHex(e.hex.toLatin1());
        if (e.op != QLatin1String("feature-send") || report.size() != 9)
            continue;
        uint8_t *block = reinterpret_cast<uint8_t *>(report.data()) + 1;
        bool read = block[0] == 0x8C && framing::checksum(block) == block[7];
        if (!read) {
            linkcipher::decipher(linkcipher::Block(block, linkcipher::kBlockSize), code);
            read = block[0] == 0x8C && framing::checksum(block) == block[7];
        }
        if (read)
            out << QStringLiteral("read:%1").arg(block[1]);
    }
    return out;
}

bool isRead(const QString &event)
{
    return event.startsWith(QLatin1String("read:"));
}

} // namespace

class tst_Detection : public QObject {
    Q_OBJECT
private slots:
    void tableReadsEntriesWithTheirDefaults();
    void tableFieldsThatDoNotConvert_data();
    void tableFieldsThatDoNotConvert();
    void damagedCountIsCapped();
    void tableInAFifoReadsAsEmptyWithoutWaiting();
    void tableLargerThanTheLimitReadsAsEmpty();
    void factoryTableDescribesTheDefaultMouse();
    void matching_data();
    void matching();

    void passes_data();
    void passes();
    void secrecyCodeOfTheWrongLengthUsesThePreviousOne();
    void requestDuringAPassRunsAfterIt();
    void requestInACommandsPauseRunsAfterTheCommand();
    void passAfterRemovalReconnects();
};

void tst_Detection::tableReadsEntriesWithTheirDefaults()
{
    ProgramFolder folder(false);
    QVERIFY(folder.write(kSettings, "[common]\ndeviceCount=2\n[0]\nvid=04d9\npid=8008\n"
                                    "usagePage=ff01\nusage=0001\n[1]\nisEncode=true\nsCode=abcdef\n"
                                    "reportLength=64\ntype=1\n"));
    const DeviceTable table = devicetable::readFile(QString::fromLatin1("./") + kSettings);
    QCOMPARE(table.size(), 2);
    const DeviceEntry &a = table[0];
    QCOMPARE(a.type, -1);
    QCOMPARE(a.vid, uint16_t(0x04d9));
    QCOMPARE(a.pid, uint16_t(0x8008));
    QCOMPARE(a.usagePage, uint16_t(0xff01));
    QCOMPARE(a.usage, uint16_t(0x0001));
    QCOMPARE(a.usagePage2, uint16_t(0));
    QCOMPARE(a.reportLength, 32);
    QCOMPARE(a.isEncode, false);
    QCOMPARE(a.sCode, QStringLiteral("519370"));
    QVERIFY(a.cmdPath.isEmpty() && a.eventPath.isEmpty());
    const DeviceEntry &b = table[1];
    QCOMPARE(b.type, 1);
    QCOMPARE(b.reportLength, 64);
    QCOMPARE(b.isEncode, true);
    QCOMPARE(b.sCode, QStringLiteral("abcdef"));

    QVERIFY(devicetable::readFile(QStringLiteral("./modules/setting/missing.bin")).isEmpty());
    QVERIFY(folder.write(kSettings, "[common]\nname=no table\n"));
    QVERIFY(devicetable::readFile(QString::fromLatin1("./") + kSettings).isEmpty());
}

void tst_Detection::tableFieldsThatDoNotConvert_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("reportLength");

    QTest::newRow("not hexadecimal") << QByteArray("vid=zz04\ntype=q\n") << 0 << 0 << 32;
    QTest::newRow("wider than 16 bits") << QByteArray("vid=1ffff\n") << 0 << -1 << 32;
    QTest::newRow("upper case hex") << QByteArray("vid=04D9\ntype=0\n") << 0x04d9 << 0 << 32;
    QTest::newRow("report length 0") << QByteArray("reportLength=0\n") << 0 << -1 << 32;
    QTest::newRow("negative report length") << QByteArray("reportLength=-8\n") << 0 << -1 << 32;
    QTest::newRow("report length as text") << QByteArray("reportLength=long\n") << 0 << -1 << 32;
    QTest::newRow("huge report length") << QByteArray("reportLength=99999999\n") << 0 << -1 << 32;
    QTest::newRow("report length 1024") << QByteArray("reportLength=1024\n") << 0 << -1 << 1024;
}

void tst_Detection::tableFieldsThatDoNotConvert()
{
    QFETCH(QByteArray, body);
    QFETCH(int, vid);
    QFETCH(int, type);
    QFETCH(int, reportLength);
    ProgramFolder folder(false);
    QVERIFY(folder.write(kSettings, tableFile({body})));
    const DeviceTable table = devicetable::readFile(QString::fromLatin1("./") + kSettings);
    QCOMPARE(table.size(), 1);
    QCOMPARE(int(table[0].vid), vid);
    QCOMPARE(table[0].type, type);
    QCOMPARE(table[0].reportLength, reportLength);
}

void tst_Detection::damagedCountIsCapped()
{
    ProgramFolder folder(false);
    QVERIFY(folder.write(kSettings, "[common]\ndeviceCount=2147483647\n"));
    QCOMPARE(devicetable::readFile(QString::fromLatin1("./") + kSettings).size(), devicetable::kMaxEntries);
    QVERIFY(folder.write(kSettings, "[common]\ndeviceCount=-3\n"));
    QVERIFY(devicetable::readFile(QString::fromLatin1("./") + kSettings).isEmpty());
}

void tst_Detection::tableInAFifoReadsAsEmptyWithoutWaiting()
{
    ProgramFolder folder(false);
    const QString fifo = folder.path(kSettings);
    QVERIFY(specialfiles::makeFifo(fifo));
    DeviceTable table{DeviceEntry{}};
    QVERIFY2(specialfiles::endsWithin(2000, [&] { table = devicetable::readFile(fifo); }, {fifo}), "blocked on a FIFO");
    QVERIFY(table.isEmpty());
}

// Read at every poll: a file of hundreds of megabytes would be parsed again
// and again.
void tst_Detection::tableLargerThanTheLimitReadsAsEmpty()
{
    ProgramFolder folder(false);
    QVERIFY(folder.write(kSettings, "[common]\ndeviceCount=2147483647\n;" + QByteArray(1024 * 1024, 'x') + "\n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("larger than 1 MiB"));
    QVERIFY(devicetable::readFile(QString::fromLatin1("./") + kSettings).isEmpty());
}

void tst_Detection::factoryTableDescribesTheDefaultMouse()
{
    ProgramFolder folder;
    const DeviceTable table = devicetable::readFile(QString::fromLatin1("./") + kSettings);
    QCOMPARE(table.size(), 1);
    QCOMPARE(table[0].type, 1);
    QCOMPARE(table[0].vid, uint16_t(0x04d9));
    QCOMPARE(table[0].pid, uint16_t(0xa1ee));
    QCOMPARE(table[0].usagePage, uint16_t(0xff00));
    QCOMPARE(table[0].usage2, uint16_t(0xff01));
    QCOMPARE(table[0].reportLength, 32);
    QVERIFY(table[0].isEncode);
    QCOMPARE(table[0].sCode.size(), 6);
}

void tst_Detection::matching_data()
{
    QTest::addColumn<QList<InterfaceRecord>>("records");
    QTest::addColumn<bool>("samePairs");
    QTest::addColumn<QString>("cmdPath");
    QTest::addColumn<QString>("eventPath");

    const InterfaceRecord cmd{"/dev/hidraw1", 0xff00, 0xff00};
    const InterfaceRecord event{"/dev/hidraw2", 0xff01, 0xff01};
    const InterfaceRecord other{"/dev/hidraw0", 0x0001, 0x0002};
    const InterfaceRecord cmdAgain{"/dev/hidraw7", 0xff00, 0xff00};

    QTest::newRow("both found") << QList<InterfaceRecord>{other, cmd, event} << false << "/dev/hidraw1"
                                << "/dev/hidraw2";
    QTest::newRow("later match wins") << QList<InterfaceRecord>{cmd, event, cmdAgain} << false << "/dev/hidraw7"
                                      << "/dev/hidraw2";
    QTest::newRow("no event interface") << QList<InterfaceRecord>{cmd, other} << false << "/dev/hidraw1"
                                        << "";
    QTest::newRow("nothing matches") << QList<InterfaceRecord>{other} << false << ""
                                     << "";
    QTest::newRow("equal pairs: one record fills both") << QList<InterfaceRecord>{other, cmd} << true << "/dev/hidraw1"
                                                        << "/dev/hidraw1";
    QTest::newRow("usage page alone is no match")
        << QList<InterfaceRecord>{{"/dev/hidraw3", 0xff00, 0x0001}} << false << ""
        << "";
}

void tst_Detection::matching()
{
    QFETCH(QList<InterfaceRecord>, records);
    QFETCH(bool, samePairs);
    QFETCH(QString, cmdPath);
    QFETCH(QString, eventPath);
    DeviceEntry e = entryFor(0);
    if (samePairs) {
        e.usagePage2 = e.usagePage;
        e.usage2 = e.usage;
    }
    e.cmdPath = QStringLiteral("stale");
    e.eventPath = QStringLiteral("stale");
    devicetable::matchInterfaces(e, records);
    QCOMPARE(e.cmdPath, cmdPath);
    QCOMPARE(e.eventPath, eventPath);
}

void tst_Detection::passes_data()
{
    QTest::addColumn<QByteArray>("mice");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("gun");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("handshakes");
    QTest::addColumn<int>("deviceIndex");

    const QByteArray plain553 = "[a]\nfamily=553\nisEncode=false\n";
    const QByteArray keyboard = "[kb]\nfamily=553\nisEncode=false\npid=8008\nusagePage=ff01\nusage=0001\n"
                                "usagePage2=ff02\nusage2=0001\nreportLength=64\n";
    const QByteArray keyboardEntry = "type=0\nvid=04d9\npid=8008\nusagePage=ff01\nusage=0001\n"
                                     "usagePage2=ff02\nusage2=0001\nreportLength=64\n";
    const QByteArray otherMouse = "[b]\nfamily=553\nisEncode=false\npid=b2ff\n";
    QByteArray otherEntry = kMouseEntry;
    otherEntry.replace("pid=a1ee", "pid=b2ff");

    QTest::newRow("no device count: nothing enumerated, window hidden")
        << plain553 << QByteArray("[common]\nname=x\n") << "553" << false << kDisconnect << QStringList{} << 1;
    QTest::newRow("mouse absent") << QByteArray("[a]\npresent=false\nfamily=553\n") << tableFile({kMouseEntry}) << "553"
                                  << false << kDisconnect << QStringList{} << 1;
    QTest::newRow("553 mouse connects, no profiles read") << plain553 << tableFile({kMouseEntry}) << "553" << false
                                                          << connectSequence() << QStringList{"virtual:0:cmd"} << 0;
    QTest::newRow("560 mouse reads profiles 0 and 1")
        << QByteArray("[a]\nfamily=560\nisEncode=false\nisGun=false\n") << tableFile({kMouseEntry}) << "560" << false
        << connectSequence(true) << QStringList{"virtual:0:cmd"} << 0;
    QTest::newRow("560 gun mouse reads profiles 0 to 4")
        << QByteArray("[a]\nfamily=560\nisEncode=false\n") << tableFile({kMouseEntry}) << "560" << true
        << connectSequence(true, true) << QStringList{"virtual:0:cmd"} << 0;
    QTest::newRow("factory table with the enciphered default mouse")
        << QByteArray("[default]\n") << QByteArray() << "560" << true << connectSequence(true, true)
        << QStringList{"virtual:0:cmd"} << 0;
    QTest::newRow("mouse that fails the handshake")
        << QByteArray("[a]\nfamily=553\nisEncode=false\nwrongEcho=true\n") << tableFile({kMouseEntry}) << "553" << false
        << kDisconnect << QStringList{"virtual:0:cmd"} << 0;
    QTest::newRow("without report length 32 is used")
        << plain553 << tableFile({QByteArray(kMouseEntry).replace("reportLength=32\n", "")}) << "553" << false
        << connectSequence() << QStringList{"virtual:0:cmd"} << 0;
    QTest::newRow("two mice present: the first in table order wins")
        << plain553 + otherMouse << tableFile({otherEntry, kMouseEntry}) << "553" << false << connectSequence()
        << QStringList{"virtual:1:cmd"} << 0;
    QTest::newRow("first fails, second connects")
        << QByteArray("[a]\nfamily=553\nisEncode=false\nwrongEcho=true\n") + otherMouse
        << tableFile({kMouseEntry, otherEntry}) << "553" << false << connectSequence()
        << QStringList{"virtual:0:cmd", "virtual:1:cmd"} << 1;
    QTest::newRow("listed but absent entry is skipped without a handshake")
        << plain553 << tableFile({otherEntry, kMouseEntry}) << "553" << false << connectSequence()
        << QStringList{"virtual:0:cmd"} << 1;
    QTest::newRow("keyboard listed first is tried first")
        << keyboard + plain553 << tableFile({keyboardEntry, kMouseEntry}) << "553" << false << connectSequence()
        << QStringList{"virtual:0:cmd"} << 0;
    QTest::newRow("equal usage pairs: one interface for both")
        << QByteArray("[a]\nfamily=553\nisEncode=false\nusagePage2=ff00\nusage2=ff00\n")
        << tableFile({QByteArray(kMouseEntry)
                          .replace("usagePage2=ff01", "usagePage2=ff00")
                          .replace("usage2=ff01", "usage2=ff00")})
        << "553" << false << connectSequence() << QStringList{"virtual:0:cmd"} << 0;
    QTest::newRow("entry without identifiers matches nothing")
        << plain553 << tableFile({"usagePage=ff00\nusage=ff00\n"}) << "553" << false << kDisconnect << QStringList{}
        << 1;
}

void tst_Detection::passes()
{
    QFETCH(QByteArray, mice);
    QFETCH(QByteArray, settings);
    QFETCH(QString, family);
    QFETCH(bool, gun);
    QFETCH(QStringList, events);
    QFETCH(QStringList, handshakes);
    QFETCH(int, deviceIndex);

    Bench bench(mice, {}, 1); // entry 1, as the transport starts
    QVERIFY(bench.isValid());
    if (!settings.isEmpty())
        QVERIFY(bench.folder().write(kSettings, settings));
    bench.setFamily(family);
    bench.setGun(gun);
    Hid_Thread &h = bench.hid();

    DeviceDetection detection(h, bench.host(), QString::fromLatin1("./") + kSettings);
    detection.request();

    // The transport reads the profile images itself, between the balloon
    // and the enabling of the view.
    QStringList windowEvents = events;
    windowEvents.removeIf(isRead);
    QCOMPARE(bench.host().events, windowEvents);
    QCOMPARE(profileReads(h.secrecyCode), events.filter(QRegularExpression(QStringLiteral("^read:"))));
    QCOMPARE(handshakePaths(h.secrecyCode), handshakes);
    QCOMPARE(h.deviceIndex, deviceIndex);
    const bool connected = events.contains("connected");
    QCOMPARE(bench.host().connected, connected);
    QCOMPARE(bench.debug().lines().first(),
             connected ? QStringLiteral("Device Connect") : QStringLiteral("Device DisConnect"));
    if (connected) {
        QVERIFY(h.isListening());
        QVERIFY(h.isIdle());
        QCOMPARE(h.entry(deviceIndex)->reportLength, h.entry(deviceIndex)->pid == 0x8008 ? 64 : 32);
    }
    QVERIFY(!detection.isRunning());
}

void tst_Detection::secrecyCodeOfTheWrongLengthUsesThePreviousOne()
{
    const QByteArray enciphered = "[a]\nfamily=553\nisEncode=true\nsCode=519370\n";
    QByteArray entry = kMouseEntry;
    entry.replace("isEncode=false", "isEncode=true");
    Bench bench(enciphered, {});
    QVERIFY(bench.isValid());
    DeviceDetection detection(bench.hid(), bench.host(), QString::fromLatin1("./") + kSettings);

    // Before any code was taken from the table, the short one cannot work.
    QVERIFY(bench.folder().write(kSettings, tableFile({QByteArray(entry).replace("sCode=519370", "sCode=5193")})));
    detection.request();
    QCOMPARE(bench.host().events, kDisconnect);

    QVERIFY(bench.folder().write(kSettings, tableFile({entry})));
    detection.request();
    QVERIFY(bench.host().connected);
    bench.hid().stopListening();
    bench.hid().waitForListenerEnd();

    QVERIFY(bench.folder().write(kSettings, tableFile({QByteArray(entry).replace("sCode=519370", "sCode=5193")})));
    bench.host().events.clear();
    detection.request();
    QCOMPARE(bench.host().events, connectSequence());
}

void tst_Detection::requestDuringAPassRunsAfterIt()
{
    Bench bench("[a]\nfamily=553\nisEncode=false\n", {});
    QVERIFY(bench.isValid());
    QVERIFY(bench.folder().write(kSettings, tableFile({kMouseEntry})));
    Hid_Thread &h = bench.hid();
    DeviceDetection detection(h, bench.host(), QString::fromLatin1("./") + kSettings);

    // The link is held, so the handshake waits for it and handles events:
    // a timer expiry asks for a pass and then frees the link.
    QVERIFY(h.waitIdle());
    QTimer::singleShot(0, [&] {
        bench.host().events << "request";
        detection.request();
        h.releaseLink();
    });
    detection.request();

    // One handshake, one connect; the pass asked for meanwhile came after
    // and found the listener running.
    QCOMPARE(bench.host().events, QStringList{"request"} + connectSequence());
    QCOMPARE(handshakePaths(h.secrecyCode), QStringList{"virtual:0:cmd"});
    QVERIFY(h.isListening());
}

// A device-change notice handled in the pause of a report rate command: a
// handshake there could only wait for the link, fail and hide the window.
// The pass runs from the event loop after the command instead.
void tst_Detection::requestInACommandsPauseRunsAfterTheCommand()
{
    Bench bench("[a]\nfamily=553\nisEncode=false\n", {entryFor(0)}, 0);
    QVERIFY(bench.isValid());
    QVERIFY(bench.folder().write(kSettings, tableFile({kMouseEntry})));
    Hid_Thread &h = bench.hid();
    DeviceDetection detection(h, bench.host(), QString::fromLatin1("./") + kSettings);
    vm_trace_clear();

    QTimer::singleShot(0, [&] {
        bench.host().events << "request";
        detection.request();
    });
    h.hid553_01H_SetReportRate(2);
    bench.host().events << "command ended";
    QVERIFY(!detection.isRunning());

    QTRY_COMPARE(bench.host().events, QStringList({"request", "command ended"}) + connectSequence());
    QVERIFY(bench.debug().lines().filter("cmd Failed").isEmpty());
    QCOMPARE(handshakePaths(h.secrecyCode), QStringList{"virtual:0:cmd"});
    QCOMPARE(reports().first().hex, QStringLiteral("0001020000000000fc"));
}

void tst_Detection::passAfterRemovalReconnects()
{
    Bench bench("[a]\nfamily=553\nisEncode=false\n", {});
    QVERIFY(bench.isValid());
    QVERIFY(bench.folder().write(kSettings, tableFile({kMouseEntry})));
    Hid_Thread &h = bench.hid();
    DeviceDetection detection(h, bench.host(), QString::fromLatin1("./") + kSettings);
    detection.request();
    QVERIFY(h.isListening());

    vm_set_present(0, 0);
    QTRY_VERIFY(!h.isListening());
    QTRY_VERIFY(bench.host().events.contains("disable"));
    // Connected until the next pass says otherwise.
    QVERIFY(bench.host().connected);

    vm_set_present(0, 1);
    bench.host().events.clear();
    detection.request();
    QCOMPARE(bench.host().events, connectSequence());
    QVERIFY(h.isListening());
    QVERIFY(!h.entry(0)->eventPath.isEmpty());
}

QTEST_GUILESS_MAIN(tst_Detection)
#include "tst_detection.moc"
