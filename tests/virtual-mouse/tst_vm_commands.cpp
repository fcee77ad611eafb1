// The firmware side of both families: what each command leaves in the mouse,
// what the queries answer, the DPI button and the profile images.
#include "vmtest.h"

#include <programfolder.h>

#include <QElapsedTimer>
#include <QTest>

#include <memory>
#include <thread>

using namespace vmtest;

namespace {

QString jsonText(const QJsonValue &v)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

QString byteList(const QByteArray &b)
{
    QStringList parts;
    for (const char c : b)
        parts << QString::number(uchar(c));
    return "[" + parts.join(',') + "]";
}

QByteArray counting(int n, int start)
{
    QByteArray out;
    for (int i = 0; i < n; ++i)
        out.append(char(start + i));
    return out;
}

// The value under "key" or "key/index" of device 0.
QJsonValue stateAt(const QString &path)
{
    const QJsonValue v = device(0).value(path.section('/', 0, 0));
    return path.contains('/') ? v.toArray().at(path.section('/', 1).toInt()) : v;
}

} // namespace

class VirtualMouseCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commandLeavesItsSetting_data();
    void commandLeavesItsSetting();
    void refusedCommandChangesNothing_data();
    void refusedCommandChangesNothing();
    void stageColoursOfType2TakeFourBytes();
    void queryAnswers_data();
    void queryAnswers();
    void dpiButtonStepsThroughTheStagesInUse_data();
    void dpiButtonStepsThroughTheStagesInUse();
    void dpiButtonFollowsTheCurrentProfile();
    void dpiEventsWaitForTheNoticeOptionWhenAsked();
    void dpiEventWakesAWaitingRead();
    void singleInterfaceCarriesCommandsAndEvents();
    void profileImageWrittenReadsBack_data();
    void profileImageWrittenReadsBack();

private:
    std::unique_ptr<ProgramFolder> folder;
};

void VirtualMouseCommands::init()
{
    folder = std::make_unique<ProgramFolder>();
    QVERIFY(folder->isValid());
    vm_set_read_wait_ms(0);
    vm_trace_clear();
}

void VirtualMouseCommands::cleanup()
{
    folder.reset();
}

void VirtualMouseCommands::commandLeavesItsSetting_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray none;
    const QByteArray m64 = counting(64, 1);
    const QByteArray b128 = counting(128, 100);
    const QByteArray codes = hex("0a 14 1e 80 80 80 80 80");

    QTest::newRow("553 01H report rate") << 553 << hex("00 01 08 00 00 00 00 00 f6") << none << "reportRate"
                                         << "8";
    QTest::newRow("553 0BH active stage") << 553 << hex("00 0b 03 00 00 00 00 00 f1") << none << "currentDpi"
                                          << "3";
    QTest::newRow("553 02H key matrix counted from 0")
        << 553 << hex("00 02 02 00 00 00 00 00 fb") << none << "currentKeyMatrix"
        << "2";
    QTest::newRow("553 03H keyboard option") << 553 << hex("00 03 01 02 03 44 00 00 b2") << none << "keyboardOption"
                                             << "[1,2,3,68]";
    QTest::newRow("553 04H gun data of slot 1") << 553 << hex("00 04 00 05 00 0a 01 00 eb") << none << "gunData"
                                                << "[[0,0,0],[5,0,10],[0,0,0]]";
    QTest::newRow("553 0DH lighting effect") << 553 << hex("00 0d 05 c0 05 00 00 00 28") << none << "ledEffect"
                                             << "[5,192,5]";
    QTest::newRow("553 0CH fixed colour") << 553 << hex("00 0c 01 02 03 00 00 00 ed") << none << "fixColor"
                                          << "[1,2,3]";
    QTest::newRow("553 11H stage count") << 553 << hex("00 11 03 08 00 00 00 00 e3") << codes << "dpiCount"
                                         << "3";
    QTest::newRow("553 11H stage codes") << 553 << hex("00 11 03 08 00 00 00 00 e3") << codes << "dpiCodes"
                                         << byteList(codes);
    QTest::newRow("553 12H matrix 1") << 553 << hex("00 12 01 40 08 00 00 00 a4") << m64 << "keyMatrices/0"
                                      << byteList(m64);
    QTest::newRow("553 13H macro 12") << 553 << hex("00 13 0c 80 00 00 00 00 60") << b128 << "macros/11"
                                      << byteList(b128);
    QTest::newRow("553 10H eight colours")
        << 553 << hex("00 10 00 18 00 00 00 00 d7") << counting(24, 7) << "stageColors" << byteList(counting(24, 7));

    QTest::newRow("560 01H keyboard option") << 560 << hex("00 01 08 01 00 00 00 00 f5") << none << "keyboardOption"
                                             << "[8,1]";
    QTest::newRow("560 02H current profile") << 560 << hex("00 02 03 00 00 00 00 00 fa") << none << "currentProfile"
                                             << "3";
    QTest::newRow("560 03H rate of profile 4") << 560 << hex("00 03 04 08 00 00 00 00 f0") << none << "reportRate"
                                               << "[1,1,1,8]";
    QTest::newRow("560 04H stage of profile 2") << 560 << hex("00 04 02 06 00 00 00 00 f3") << none << "currentDpi"
                                                << "[1,6,1,1]";
    QTest::newRow("560 0DH matrix 2") << 560 << hex("00 0d 02 80 00 00 00 00 70") << b128 << "keyMatrices/1"
                                      << byteList(b128);
    QTest::newRow("560 0FH macro 1") << 560 << hex("00 0f 01 80 00 00 00 00 6f") << b128 << "macros/0"
                                     << byteList(b128);
    QTest::newRow("560 0CH profile 0") << 560 << hex("00 0c 00 80 00 00 00 00 73") << b128 << "profiles/0"
                                       << byteList(b128);
}

void VirtualMouseCommands::commandLeavesItsSetting()
{
    QFETCH(int, family);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, payload);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(configure(plainMouse(family, true)), 1);
    Handle h("virtual:0:cmd");
    QCOMPARE(sendFeature(h.get(), command), 9);
    QVERIFY(writePayload(h.get(), payload));
    QCOMPARE(jsonText(stateAt(key)), expected);
}

void VirtualMouseCommands::refusedCommandChangesNothing_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<bool>("isGun");
    QTest::addColumn<QByteArray>("command");

    QTest::newRow("553 stage 9") << 553 << false << hex("00 0b 09 00 00 00 00 00 eb");
    QTest::newRow("553 gun slot 3") << 553 << false << hex("00 04 00 05 00 0a 03 00 e9");
    QTest::newRow("553 unknown code") << 553 << false << hex("00 55 00 00 00 00 00 00 aa");
    QTest::newRow("553 ignores 560 profile read") << 553 << false << hex("00 8c 02 00 00 00 00 00 71");
    QTest::newRow("560 profile 0 is never current") << 560 << true << hex("00 02 00 00 00 00 00 00 fd");
    QTest::newRow("560 without gun has profile 1 only") << 560 << false << hex("00 02 03 00 00 00 00 00 fa");
    QTest::newRow("560 without gun, rate of profile 4") << 560 << false << hex("00 03 04 08 00 00 00 00 f0");
    QTest::newRow("560 key matrix 5") << 560 << true << hex("00 0d 05 80 00 00 00 00 6d");
    QTest::newRow("560 ignores 553 key matrix") << 560 << true << hex("00 12 01 40 08 00 00 00 a4");
}

void VirtualMouseCommands::refusedCommandChangesNothing()
{
    QFETCH(int, family);
    QFETCH(bool, isGun);
    QFETCH(QByteArray, command);
    QCOMPARE(configure(plainMouse(family, isGun)), 1);
    const QJsonObject before = device(0);
    Handle h("virtual:0:cmd");
    QCOMPARE(sendFeature(h.get(), command), 9);
    QVERIFY(writePayload(h.get(), QByteArray(128, '\x5a')));
    QCOMPARE(device(0), before);
    QVERIFY(h.get() && readTimeout(h.get(), 0).count == 0); // nothing to read either
}

void VirtualMouseCommands::stageColoursOfType2TakeFourBytes()
{
    QCOMPARE(configure(plainMouse(553)), 1);
    QByteArray colours = bytesOf(device(0).value("stageColors"));
    Handle h("virtual:0:cmd");
    QCOMPARE(sendFeature(h.get(), hex("00 10 02 04 00 00 00 00 e9")), 9);
    QCOMPARE(writeChunk(h.get(), hex("11 22 33 44 55 66")), 33);
    colours.replace(0, 4, hex("11 22 33 44"));
    QCOMPARE(bytesOf(device(0).value("stageColors")), colours);
    QCOMPARE(device(0).value("stageColorType").toInt(), 2);
}

void VirtualMouseCommands::queryAnswers_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QString>("reply");

    QTest::newRow("553 8BH active stage")
        << 553 << hex("00 0b 03 00 00 00 00 00 f1") << hex("00 8b 00 00 00 00 00 00 74") << "008b03000000000071";
    QTest::newRow("553 83H four option bytes")
        << 553 << hex("00 03 01 02 03 44 00 00 b2") << hex("00 83 00 00 00 00 00 00 7c") << "008301020344000032";
    QTest::newRow("553 00H echoes") << 553 << QByteArray() << hex("00 00 12 34 56 78 00 00 eb")
                                    << "000012345678"
                                       "0000eb";
    QTest::newRow("560 81H two option bytes")
        << 560 << hex("00 01 08 01 00 00 00 00 f5") << hex("00 81 00 00 00 00 00 00 7e") << "008108010000000075";
    QTest::newRow("560 83H answers the same bytes")
        << 560 << hex("00 01 08 01 00 00 00 00 f5") << hex("00 83 00 00 00 00 00 00 7c") << "008308010000000073";
    QTest::newRow("560 82H current profile")
        << 560 << hex("00 02 03 00 00 00 00 00 fa") << hex("00 82 00 00 00 00 00 00 7d") << "00820300000000007a";
    QTest::newRow("560 84H byte 2 as sent, stage of that profile")
        << 560 << hex("00 04 02 05 00 00 00 00 f4") << hex("00 84 02 00 00 00 00 00 79") << "008402050000000074";
    QTest::newRow("560 84H as the program asks it")
        << 560 << hex("00 04 01 02 00 00 00 00 f8") << hex("00 84 01 00 00 00 00 00 7a") << "008401020000000078";
    QTest::newRow("a set command answers its code")
        << 553 << QByteArray() << hex("00 01 08 00 00 00 00 00 f6") << "0001000000000000fe";
}

void VirtualMouseCommands::queryAnswers()
{
    QFETCH(int, family);
    QFETCH(QByteArray, setup);
    QFETCH(QByteArray, query);
    QFETCH(QString, reply);
    QCOMPARE(configure(plainMouse(family, true)), 1);
    Handle h("virtual:0:cmd");
    if (!setup.isEmpty())
        QCOMPARE(sendFeature(h.get(), setup), 9);
    QCOMPARE(sendFeature(h.get(), query), 9);
    QCOMPARE(toHex(getFeature(h.get())), reply);
    QCOMPARE(toHex(getFeature(h.get())), reply); // reading again gives the same answer
}

void VirtualMouseCommands::dpiButtonStepsThroughTheStagesInUse_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QByteArray>("command"); // sets the stages in use
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("stages"); // after each press

    QTest::newRow("553 three stages wrap")
        << 553 << hex("00 11 03 08 00 00 00 00 e3") << hex("0a 14 1e 80 80 80 80 80") << "2 3 1 2";
    QTest::newRow("553 one stage stays") << 553 << hex("00 11 01 08 00 00 00 00 e5") << hex("0a 80 80 80 80 80 80 80")
                                         << "1 1";
    QTest::newRow("553 eight stages") << 553 << hex("00 11 08 08 00 00 00 00 de") << hex("01 02 03 04 05 06 07 08")
                                      << "2 3 4 5 6 7 8 1";
    QByteArray block(128, '\0');
    block[100] = char(0x15); // stages 1, 3 and 5
    QTest::newRow("560 mask of profile 1 skips stages")
        << 560 << hex("00 0c 01 80 00 00 00 00 72") << block << "3 5 1 3";
    block[100] = 0;
    QTest::newRow("560 empty mask gives stage 1") << 560 << hex("00 0c 01 80 00 00 00 00 72") << block << "1 1";
}

void VirtualMouseCommands::dpiButtonStepsThroughTheStagesInUse()
{
    QFETCH(int, family);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, payload);
    QFETCH(QString, stages);
    QCOMPARE(configure(plainMouse(family)), 1);
    {
        Handle h("virtual:0:cmd");
        QCOMPARE(sendFeature(h.get(), command), 9);
        QVERIFY(writePayload(h.get(), payload));
    }
    const QStringList expected = stages.split(' ');
    for (int i = 0; i < expected.size(); ++i)
        vm_press_dpi(0);
    QCOMPARE(device(0).value("pendingEvents").toInt(), expected.size());

    Handle event("virtual:0:event");
    for (const QString &s : expected) {
        const ReadResult r = readTimeout(event.get(), 0, 4);
        QCOMPARE(r.count, 4);
        QCOMPARE(toHex(r.bytes), QString("060700%1").arg(s.toInt(), 2, 16, QChar('0')));
    }
    QCOMPARE(readTimeout(event.get(), 0).count, 0);
    const QJsonValue active = device(0).value("currentDpi");
    QCOMPARE(family == 553 ? active.toInt() : active.toArray().at(0).toInt(), expected.last().toInt());
}

void VirtualMouseCommands::dpiButtonFollowsTheCurrentProfile()
{
    QCOMPARE(configure(plainMouse(560, true)), 1);
    Handle h("virtual:0:cmd");
    QByteArray block(128, '\0');
    block[100] = char(0x03);
    QCOMPARE(sendFeature(h.get(), hex("00 0c 02 80 00 00 00 00 71")), 9);
    QVERIFY(writePayload(h.get(), block));
    QCOMPARE(sendFeature(h.get(), hex("00 02 02 00 00 00 00 00 fb")), 9);
    vm_press_dpi(0);
    vm_press_dpi(0);
    QCOMPARE(jsonText(device(0).value("currentDpi")), QString("[1,1,1,1]"));
    vm_press_dpi(0);
    QCOMPARE(jsonText(device(0).value("currentDpi")), QString("[1,2,1,1]"));
}

void VirtualMouseCommands::dpiEventsWaitForTheNoticeOptionWhenAsked()
{
    QCOMPARE(configure(plainMouse(553) + "eventNeedsOption = true\n"), 1);
    Handle cmd("virtual:0:cmd");
    Handle event("virtual:0:event");
    vm_press_dpi(0);
    QCOMPARE(device(0).value("currentDpi").toInt(), 2); // the stage moves all the same
    QCOMPARE(readTimeout(event.get(), 0).count, 0);

    QCOMPARE(sendFeature(cmd.get(), hex("00 03 00 00 00 40 00 00 bc")), 9);
    vm_press_dpi(0);
    QCOMPARE(toHex(readTimeout(event.get(), 0).bytes), QString("06070003"));

    // 560: bit 0x08 of the first option byte.
    QCOMPARE(configure(plainMouse(560) + "eventNeedsOption = true\n"), 1);
    Handle cmd560("virtual:0:cmd");
    Handle event560("virtual:0:event");
    vm_press_dpi(0);
    QCOMPARE(readTimeout(event560.get(), 0).count, 0);
    QCOMPARE(sendFeature(cmd560.get(), hex("00 01 08 00 00 00 00 00 f6")), 9);
    vm_press_dpi(0);
    QCOMPARE(toHex(readTimeout(event560.get(), 0).bytes), QString("06070003"));
}

void VirtualMouseCommands::dpiEventWakesAWaitingRead()
{
    QCOMPARE(configure(plainMouse(560)), 1);
    Handle event("virtual:0:event");
    std::thread presser([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        vm_press_dpi(0);
    });
    QElapsedTimer timer;
    timer.start();
    const ReadResult r = readTimeout(event.get(), 5000);
    presser.join();
    QCOMPARE(toHex(r.bytes), QString("06070002"));
    QVERIFY(timer.elapsed() < 2000);
    QCOMPARE(traceOps().last(), QString("read-timeout virtual:0:event 06070002"));

    vm_set_present(0, 0);
    vm_press_dpi(0); // an unplugged mouse has no button to press
    vm_set_present(0, 1);
    Handle again("virtual:0:event");
    QCOMPARE(readTimeout(again.get(), 0).count, 0);
}

void VirtualMouseCommands::singleInterfaceCarriesCommandsAndEvents()
{
    QCOMPARE(configure(plainMouse(560) + "usagePage2=ff00\nusage2=ff00\n"), 1);
    Handle h("virtual:0:cmd");
    vm_press_dpi(0);
    QCOMPARE(toHex(readTimeout(h.get(), 0).bytes), QString("06070002"));
    QCOMPARE(sendFeature(h.get(), hex("00 82 00 00 00 00 00 00 7d")), 9);
    QCOMPARE(toHex(getFeature(h.get())), QString("00820100000000007c"));
}

void VirtualMouseCommands::profileImageWrittenReadsBack_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("reportLength");
    QTest::addColumn<QByteArray>("writeCommand");
    QTest::addColumn<QByteArray>("readCommand");

    const QByteArray write3 = hex("00 0c 03 80 00 00 00 00 70");
    const QByteArray read3 = hex("00 8c 03 00 00 00 00 00 70");
    QTest::newRow("report length 32") << plainMouse(560, true, 32) << 32 << write3 << read3;
    QTest::newRow("report length 64") << plainMouse(560, true, 64) << 64 << write3 << read3;
    QTest::newRow("report length 20, last report zero-filled") << plainMouse(560, true, 20) << 20 << write3 << read3;
    // The same blocks enciphered with "519370"; the image itself goes plain.
    QTest::newRow("enciphered") << QByteArray("[m]\nisEncode=true\n") << 32 << hex("00 464090dfa500dbd6")
                                << hex("00 464090dfa900d7d6");
}

void VirtualMouseCommands::profileImageWrittenReadsBack()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, reportLength);
    QFETCH(QByteArray, writeCommand);
    QFETCH(QByteArray, readCommand);
    QCOMPARE(configure(ini), 1);
    const QByteArray image = counting(128, 0x80);
    Handle h("virtual:0:cmd");
    QVERIFY(h);

    QCOMPARE(sendFeature(h.get(), writeCommand), 9);
    QVERIFY(writePayload(h.get(), image, reportLength));
    QCOMPARE(bytesOf(device(0).value("profiles").toArray().at(3)), image);

    QCOMPARE(sendFeature(h.get(), readCommand), 9);
    QCOMPARE(getFeature(h.get()).size(), 9);
    QByteArray back;
    const int reports = (128 + reportLength - 1) / reportLength;
    for (int i = 0; i < reports; ++i) {
        const ReadResult r = readTimeout(h.get(), 0, reportLength + 1);
        QCOMPARE(r.count, reportLength);
        back += r.bytes;
    }
    QCOMPARE(back.left(128), image);
    QCOMPARE(back.mid(128), QByteArray(back.size() - 128, '\0'));
    QCOMPARE(readTimeout(h.get(), 0).count, 0);
}

QTEST_GUILESS_MAIN(VirtualMouseCommands)
#include "tst_vm_commands.moc"
