// The virtual mouse's USB side: enumeration, opening, report IDs, the worked
// reports, the cipher and checksum, payloads and read timing.
#include "vmtest.h"

#include <programfolder.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace vmtest;

class VirtualMouseLink : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void builtInDeviceIsTheFactoryTableMouse();
    void enumerationListsOneRecordPerInterface_data();
    void enumerationListsOneRecordPerInterface();
    void enumerationFiltersByVendorAndProduct();
    void openAcceptsOnlyVirtualInterfacePaths_data();
    void openAcceptsOnlyVirtualInterfacePaths();
    void worked553ReportsReachTheState();
    void worked560ReportsReachTheState();
    void encipheredHandshakeEchoesTheChallenge_data();
    void encipheredHandshakeEchoesTheChallenge();
    void encipheredQueryAnswersEnciphered();
    void blockWithBadChecksumIsNotExecuted_data();
    void blockWithBadChecksumIsNotExecuted();
    void payloadThatDoesNotArriveChangesNothing();
    void reportIdsAreHandledAsHidrawDoes();
    void readsWaitOnlyAsLongAsTold();
    void identityQueriesAnswerWhileTheMouseIsThere();

private:
    std::unique_ptr<ProgramFolder> folder;
};

void VirtualMouseLink::initTestCase()
{
    qunsetenv("VIRTUAL_MOUSE_CONFIG");
    qunsetenv("VIRTUAL_MOUSE_TRACE");
}

void VirtualMouseLink::init()
{
    folder = std::make_unique<ProgramFolder>();
    QVERIFY(folder->isValid());
    vm_set_read_wait_ms(0);
    vm_set_clock(nullptr);
    vm_trace_clear();
}

void VirtualMouseLink::cleanup()
{
    folder.reset();
}

// Runs first in this process: nothing has configured the library yet.
void VirtualMouseLink::builtInDeviceIsTheFactoryTableMouse()
{
    QCOMPARE(vm_device_count(), 1);
    const QJsonObject d = device(0);
    QCOMPARE(d.value("family").toInt(), 560);
    QCOMPARE(d.value("isEncode").toBool(), true);
    QCOMPARE(d.value("isGun").toBool(), true);
    QCOMPARE(d.value("reportRate").toArray().size(), 4);

    // Its secrecy code is "519370": the handshake vector computed by hand answers.
    Handle h("virtual:0:cmd");
    QVERIFY(h);
    QCOMPARE(sendFeature(h.get(), hex("00 470458df2de28876")), 9);
    QCOMPARE(toHex(getFeature(h.get())), QString("00470458df2de28876"));
}

void VirtualMouseLink::enumerationListsOneRecordPerInterface_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("default device") << QByteArray(
        "[mouse]\n") << QStringList{"virtual:0:cmd 04d9 a1ee ff00 ff00 0", "virtual:0:event 04d9 a1ee ff01 ff01 1"};
    QTest::newRow("two devices")
        << QByteArray("[a]\nfamily=553\n[b]\nvid=1234\npid=abcd\nusagePage=ff02\nusage=1\nusagePage2=ff03\nusage2=2\n")
        << QStringList{"virtual:0:cmd 04d9 a1ee ff00 ff00 0", "virtual:0:event 04d9 a1ee ff01 ff01 1",
                       "virtual:1:cmd 1234 abcd ff02 0001 0", "virtual:1:event 1234 abcd ff03 0002 1"};
    QTest::newRow("equal usage pairs give one interface")
        << QByteArray("[m]\nusagePage=ff00\nusage=ff00\nusagePage2=ff00\nusage2=ff00\n")
        << QStringList{"virtual:0:cmd 04d9 a1ee ff00 ff00 0"};
    QTest::newRow("absent device keeps its index")
        << QByteArray("[gone]\npresent=false\n[here]\nfamily=553\n")
        << QStringList{"virtual:1:cmd 04d9 a1ee ff00 ff00 0", "virtual:1:event 04d9 a1ee ff01 ff01 1"};
    QTest::newRow("no devices") << QByteArray("; nothing\n") << QStringList{};
}

void VirtualMouseLink::enumerationListsOneRecordPerInterface()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, records);
    QVERIFY2(configure(ini) >= 0, vm_last_error());

    QStringList seen;
    hid_device_info *list = hid_enumerate(0, 0);
    for (hid_device_info *i = list; i; i = i->next) {
        seen << QString::asprintf("%s %04x %04x %04x %04x %d", i->path, i->vendor_id, i->product_id, i->usage_page,
                                  i->usage, i->interface_number);
        QVERIFY(i->serial_number && i->product_string && i->manufacturer_string);
    }
    hid_free_enumeration(list);
    QCOMPARE(seen, records);
}

void VirtualMouseLink::enumerationFiltersByVendorAndProduct()
{
    QVERIFY(configure("[a]\n[b]\nvid=1234\npid=0001\n[c]\nvid=1234\npid=0002\n") == 3);
    auto paths = [](unsigned short vid, unsigned short pid) {
        QStringList out;
        hid_device_info *list = hid_enumerate(vid, pid);
        for (hid_device_info *i = list; i; i = i->next)
            out << i->path;
        hid_free_enumeration(list);
        return out;
    };
    QCOMPARE(paths(0x1234, 0x0002), (QStringList{"virtual:2:cmd", "virtual:2:event"}));
    QCOMPARE(paths(0x1234, 0).size(), 4);
    QCOMPARE(paths(0x04d9, 0x0001), QStringList{});
    hid_device *byId = hid_open(0x1234, 0x0001, nullptr);
    QVERIFY(byId);
    hid_close(byId);
    QCOMPARE(traceOps().first(), QString("open virtual:1:cmd -"));
    QVERIFY(!hid_open(0x1234, 0x0003, nullptr));
}

void VirtualMouseLink::openAcceptsOnlyVirtualInterfacePaths_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("traced");

    QTest::newRow("command interface") << QByteArray("virtual:0:cmd") << true << "open virtual:0:cmd -";
    QTest::newRow("event interface") << QByteArray("virtual:0:event") << true << "open virtual:0:event -";
    QTest::newRow("index out of range") << QByteArray("virtual:1:cmd") << false << "open-failed virtual:1:cmd -";
    QTest::newRow("unknown interface") << QByteArray("virtual:0:cmdx") << false << "open-failed virtual:0:cmdx -";
    QTest::newRow("no index") << QByteArray("virtual::cmd") << false << "open-failed virtual::cmd -";
    QTest::newRow("hidraw node") << QByteArray("/dev/hidraw0") << false << "open-failed /dev/hidraw0 -";
    QTest::newRow("blanks stay inside the path field")
        << QByteArray("virtual:0: cmd\nx") << false << "open-failed virtual:0:?cmd?x -";
    QTest::newRow("empty path") << QByteArray("") << false << "open-failed ? -";
}

void VirtualMouseLink::openAcceptsOnlyVirtualInterfacePaths()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, opens);
    QFETCH(QString, traced);
    QCOMPARE(configure("[m]\n"), 1);

    hid_device *dev = hid_open_path(path.constData());
    QCOMPARE(dev != nullptr, opens);
    if (!opens)
        QVERIFY(QString::fromWCharArray(hid_error(nullptr)).size() > 0);
    if (dev)
        hid_close(dev);
    QCOMPARE(traceOps().value(0), traced);
    QCOMPARE(traceLines().value(0).split(' ').size(), 4);
}

void VirtualMouseLink::worked553ReportsReachTheState()
{
    QCOMPARE(configure(plainMouse(553)), 1);
    Handle h("virtual:0:cmd");
    QVERIFY(h);

    QCOMPARE(sendFeature(h.get(), hex("00 01 02 00 00 00 00 00 FC")), 9);
    QCOMPARE(device(0).value("reportRate").toInt(), 2);

    const QJsonValue before = device(0).value("keyMatrices").toArray().at(1);
    QByteArray matrix;
    for (int i = 0; i < 64; ++i)
        matrix.append(char(0x40 + i));
    QCOMPARE(sendFeature(h.get(), hex("00 12 02 40 08 00 00 00 A3")), 9);
    QCOMPARE(writeChunk(h.get(), matrix.left(32)), 33);
    QCOMPARE(device(0).value("keyMatrices").toArray().at(1), before); // half a matrix is not a matrix
    QCOMPARE(writeChunk(h.get(), matrix.mid(32)), 33);
    QCOMPARE(bytesOf(device(0).value("keyMatrices").toArray().at(1)), matrix);

    const QStringList ops = traceOps();
    QCOMPARE(ops.value(1), QString("feature-send virtual:0:cmd 000102000000000"
                                   "0fc"));
    QCOMPARE(ops.value(2), QString("feature-send virtual:0:cmd 00120240080000"
                                   "00a3"));
    QCOMPARE(ops.value(3), "write virtual:0:cmd 00" + toHex(matrix.left(32)));
}

void VirtualMouseLink::worked560ReportsReachTheState()
{
    QCOMPARE(configure(plainMouse(560, true)), 1);
    Handle h("virtual:0:cmd");
    QVERIFY(h);

    QCOMPARE(sendFeature(h.get(), hex("00 03 01 03 00 00 00 00 F8")), 9);
    QCOMPARE(device(0).value("reportRate").toArray().at(0).toInt(), 3);
    QCOMPARE(device(0).value("reportRate").toArray().at(1).toInt(), 1);

    const QByteArray image = bytesOf(device(0).value("profiles").toArray().at(2));
    QCOMPARE(image.size(), 128);
    QCOMPARE(sendFeature(h.get(), hex("00 8C 02 00 00 00 00 00 71")), 9);
    QCOMPARE(toHex(getFeature(h.get())), QString("008c02000000000071"));
    QByteArray delivered;
    for (int i = 0; i < 4; ++i) {
        const ReadResult r = readTimeout(h.get(), 0);
        QCOMPARE(r.count, 32);
        delivered += r.bytes;
    }
    QCOMPARE(delivered, image);
    QCOMPARE(readTimeout(h.get(), 0).count, 0);
    QCOMPARE(traceOps().last(), QString("read-timeout virtual:0:cmd -"));
}

void VirtualMouseLink::encipheredHandshakeEchoesTheChallenge_data()
{
    QTest::addColumn<QByteArray>("sCode");
    QTest::addColumn<QByteArray>("wire"); // enciphered 00H block with the challenge; the echo enciphers the same

    // Computed by hand from the cipher's description; the "code bytes 0 and 7"
    // rows were enciphered with those bytes set to ff and 5a.
    QTest::newRow("519370 12345678") << QByteArray("519370") << hex("470458df2de28876");
    QTest::newRow("519370 deadbeef") << QByteArray("519370") << hex("4b6d38e58de3cc3e");
    QTest::newRow("519370 zeros") << QByteArray("519370") << hex("4644f8dfbde0d7d6");
    QTest::newRow("A1b2C3 12345678") << QByteArray("A1b2C3") << hex("46645a2726428076");
    QTest::newRow("A1b2C3 deadbeef, code bytes 0 and 7") << QByteArray("A1b2C3") << hex("4a0d3a2d8643c43e");
    QTest::newRow("A1b2C3 zeros, code bytes 0 and 7") << QByteArray("A1b2C3") << hex("47a4fa27b640efd6");
}

void VirtualMouseLink::encipheredHandshakeEchoesTheChallenge()
{
    QFETCH(QByteArray, sCode);
    QFETCH(QByteArray, wire);
    QCOMPARE(configure("[m]\nisEncode=true\nsCode=" + sCode + "\n"), 1);
    Handle h("virtual:0:cmd");
    QCOMPARE(sendFeature(h.get(), '\0' + wire), 9);
    QCOMPARE(getFeature(h.get()), '\0' + wire);
    QVERIFY(!traceLines().value(1).endsWith("bad-checksum"));
}

void VirtualMouseLink::encipheredQueryAnswersEnciphered()
{
    QCOMPARE(configure("[m]\nfamily=553\nisEncode=true\n"), 1);
    Handle h("virtual:0:cmd");
    // 8BH, plain 8b 00 00 00 00 00 00 74; the answer 8b 01 00 ... 73 (stage 1).
    QCOMPARE(sendFeature(h.get(), hex("00 4640b0dfc108d7d6")), 9);
    QCOMPARE(toHex(getFeature(h.get())), QString("00464098dfb908d7d6"));
}

void VirtualMouseLink::blockWithBadChecksumIsNotExecuted_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QByteArray>("report");

    QTest::newRow("plain, sum off by one") << plainMouse(553) << hex("00 01 02 00 00 00 00 00 FD");
    QTest::newRow("plain, checksum of the wrong bytes") << plainMouse(553) << hex("00 01 02 00 00 00 00 00 FB");
    // 01 02 enciphered with the code "A1b2C3" while the mouse holds "519370".
    QTest::newRow("enciphered with another code")
        << QByteArray("[m]\nfamily=553\nisEncode=true\n") << hex("00 47c4aa27be40d7e6");
    QTest::newRow("plain block to an enciphering mouse")
        << QByteArray("[m]\nfamily=553\nisEncode=true\n") << hex("00 01 02 00 00 00 00 00 FC");
}

void VirtualMouseLink::blockWithBadChecksumIsNotExecuted()
{
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, report);
    QCOMPARE(configure(ini), 1);
    const QJsonObject before = device(0);
    Handle h("virtual:0:cmd");
    QCOMPARE(sendFeature(h.get(), report), 9);
    QCOMPARE(device(0), before);
    QVERIFY(traceLines().value(1).endsWith(" bad-checksum"));
    QVERIFY(!traceLines().value(0).endsWith(" bad-checksum"));
}

void VirtualMouseLink::payloadThatDoesNotArriveChangesNothing()
{
    QCOMPARE(configure(plainMouse(553)), 1);
    const QJsonValue matrices = device(0).value("keyMatrices");
    Handle h("virtual:0:cmd");

    // Half a key matrix, then the next command: the half is dropped.
    QCOMPARE(sendFeature(h.get(), hex("00 12 02 40 08 00 00 00 A3")), 9);
    QCOMPARE(writeChunk(h.get(), QByteArray(32, '\x11')), 33);
    QCOMPARE(sendFeature(h.get(), hex("00 0b 03 00 00 00 00 00 f1")), 9);
    QCOMPARE(writeChunk(h.get(), QByteArray(32, '\x22')), 33); // nothing waits for it
    QCOMPARE(device(0).value("keyMatrices"), matrices);
    QCOMPARE(device(0).value("currentDpi").toInt(), 3);

    // A matrix number the mouse does not have takes no payload either.
    QCOMPARE(sendFeature(h.get(), hex("00 12 05 40 08 00 00 00 a0")), 9);
    QVERIFY(writePayload(h.get(), QByteArray(64, '\x33')));
    QCOMPARE(device(0).value("keyMatrices"), matrices);

    // Pulling the cable in the middle drops the part that came.
    QCOMPARE(sendFeature(h.get(), hex("00 12 02 40 08 00 00 00 A3")), 9);
    QCOMPARE(writeChunk(h.get(), QByteArray(32, '\x44')), 33);
    vm_set_present(0, 0);
    vm_set_present(0, 1);
    Handle again("virtual:0:cmd");
    QCOMPARE(writeChunk(again.get(), QByteArray(32, '\x44')), 33);
    QCOMPARE(device(0).value("keyMatrices"), matrices);
}

void VirtualMouseLink::reportIdsAreHandledAsHidrawDoes()
{
    QCOMPARE(configure(plainMouse(553)), 1);
    Handle cmd("virtual:0:cmd");
    Handle event("virtual:0:event");

    // The count of a feature read includes the report ID; a short buffer gets what fits.
    QCOMPARE(sendFeature(cmd.get(), hex("00 8b 00 00 00 00 00 00 74")), 9);
    QCOMPARE(toHex(getFeature(cmd.get(), 64)), QString("008b01000000000073"));
    QCOMPARE(toHex(getFeature(cmd.get(), 4)), QString("008b0100"));

    // The command interface is unnumbered: other report IDs do not exist.
    QCOMPARE(sendFeature(cmd.get(), hex("01 01 02 00 00 00 00 00 FC")), -1);
    QCOMPARE(writeChunk(cmd.get(), QByteArray(32, '\0')), 33);
    const QByteArray numbered = hex("05") + QByteArray(32, '\0');
    QCOMPARE(hid_write(cmd.get(), reinterpret_cast<const unsigned char *>(numbered.constData()), 33), -1);
    QVERIFY(QString::fromWCharArray(hid_error(cmd.get())).contains("report ID 05"));

    // Longer than the report length, or too short to be a command.
    QCOMPARE(writeChunk(cmd.get(), QByteArray(33, '\0'), 33), -1);
    QVERIFY(QString::fromWCharArray(hid_error(cmd.get())).contains("report length is 32"));
    QCOMPARE(sendFeature(cmd.get(), hex("00 01 02 00")), -1);

    // The event interface carries input reports only.
    QCOMPARE(sendFeature(event.get(), hex("00 01 02 00 00 00 00 00 FC")), -1);
    QCOMPARE(writeChunk(event.get(), QByteArray(4, '\0')), -1);
    QCOMPARE(device(0).value("reportRate").toInt(), 1);
}

void VirtualMouseLink::readsWaitOnlyAsLongAsTold()
{
    QCOMPARE(configure(plainMouse(553)), 1);
    Handle event("virtual:0:event");
    QElapsedTimer timer;

    timer.start();
    QCOMPARE(readTimeout(event.get(), 60).count, 0);
    QVERIFY(timer.elapsed() >= 50);

    // A blocking read has nothing to wait for on a virtual mouse: it gives up.
    vm_set_read_wait_ms(80);
    timer.restart();
    QByteArray buf(4, '\0');
    QCOMPARE(hid_read(event.get(), reinterpret_cast<unsigned char *>(buf.data()), 4), -1);
    QVERIFY(timer.elapsed() >= 70);
    QCOMPARE(QString::fromWCharArray(hid_error(event.get())), QString("no input report within the read wait"));
    QCOMPARE(readTimeout(event.get(), -1).count, -1);

    vm_set_read_wait_ms(0);
    QCOMPARE(hid_set_nonblocking(event.get(), 1), 0);
    timer.restart();
    QCOMPARE(hid_read(event.get(), reinterpret_cast<unsigned char *>(buf.data()), 4), 0);
    QVERIFY(timer.elapsed() < 50);
    QCOMPARE(traceOps().last(), QString("read virtual:0:event -"));
}

void VirtualMouseLink::identityQueriesAnswerWhileTheMouseIsThere()
{
    QCOMPARE(configure("[a]\n[b]\nfamily=553\nvid=1234\npid=5678\nusage2=2\n"), 2);
    Handle event("virtual:1:event");
    wchar_t text[32];
    QCOMPARE(hid_get_serial_number_string(event.get(), text, 32), 0);
    QCOMPARE(QString::fromWCharArray(text), QString("virtual-1"));
    QCOMPARE(hid_get_product_string(event.get(), text, 8), 0);
    QCOMPARE(QString::fromWCharArray(text).size(), 7); // cut to the room given
    QCOMPARE(hid_get_manufacturer_string(event.get(), text, 0), -1);

    const hid_device_info *info = hid_get_device_info(event.get());
    QVERIFY(info);
    QCOMPARE(QString(info->path), QString("virtual:1:event"));
    QCOMPARE(info->vendor_id, 0x1234);
    QCOMPARE(info->usage, 0x0002);
    QCOMPARE(hid_get_device_info(event.get()), info); // owned by the handle

    unsigned char report[8] = {};
    QCOMPARE(hid_get_input_report(event.get(), report, sizeof report), -1);
    QCOMPARE(hid_get_indexed_string(event.get(), 1, text, 32), -1);
    QCOMPARE(hid_version()->minor, HID_API_VERSION_MINOR);

    vm_set_present(1, 0);
    QCOMPARE(hid_get_serial_number_string(event.get(), text, 32), -1);
    QCOMPARE(hid_get_device_info(event.get()), info); // what was handed out stays until the close
    Handle other("virtual:0:cmd");
    vm_set_present(0, 0);
    QVERIFY(!hid_get_device_info(other.get()));
}

QTEST_GUILESS_MAIN(VirtualMouseLink)
#include "tst_vm_link.moc"
