// Setting the virtual mouse up and looking at it: configuration, the state
// JSON, the trace, the control socket with virtual-mouse-ctl, and the names
// that the shared library exports.
#include "vmtest.h"

#include <programfolder.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>
#include <memory>

using namespace vmtest;

namespace {

uint64_t fakeNow = 0;
uint64_t fakeClock()
{
    return fakeNow;
}

QSet<QString> keysOf(const QJsonObject &o)
{
    const QStringList keys = o.keys();
    return QSet<QString>(keys.begin(), keys.end());
}

} // namespace

class VirtualMouseControl : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void badConfigurationIsRefusedAndKeepsTheDevices_data();
    void badConfigurationIsRefusedAndKeepsTheDevices();
    void configurationFileIsRead();
    void stateJsonCarriesTheStateOfEachFamily_data();
    void stateJsonCarriesTheStateOfEachFamily();
    void traceLinesFollowTheFormat();
    void traceUsesTheInstalledClock();
    void traceFileGetsTheSameLines();
    void controlToolPressesUnplugsAndReports_data();
    void controlToolPressesUnplugsAndReports();
    void controlSocketIsServedOnce();
    void sharedLibraryExportsTheCNames();
    void preloadedLibraryStandsInForHidapi();
    void environmentNamesTheConfiguration_data();
    void environmentNamesTheConfiguration();

private:
    QTemporaryDir traceDir;
    std::unique_ptr<ProgramFolder> folder;
};

// Before the first call into the library, which reads the environment once.
void VirtualMouseControl::initTestCase()
{
    QVERIFY(traceDir.isValid());
    qputenv("VIRTUAL_MOUSE_TRACE", QFile::encodeName(traceDir.filePath("trace.txt")));
    qunsetenv("VIRTUAL_MOUSE_CONFIG");
}

void VirtualMouseControl::init()
{
    folder = std::make_unique<ProgramFolder>();
    QVERIFY(folder->isValid());
    vm_set_read_wait_ms(0);
    vm_set_clock(nullptr);
    vm_trace_clear();
}

void VirtualMouseControl::cleanup()
{
    vm_control_stop();
    folder.reset();
}

void VirtualMouseControl::badConfigurationIsRefusedAndKeepsTheDevices_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("error");

    QTest::newRow("unknown key") << QByteArray("[m]\nfamly=553\n") << "line 2: unknown key 'famly'";
    QTest::newRow("key before any device") << QByteArray("vid=04d9\n[m]\n") << "line 1: key outside a device section";
    QTest::newRow("family") << QByteArray("[m]\nfamily=555\n") << "line 2: family: expected 553 or 560";
    QTest::newRow("hex beyond 16 bits") << QByteArray("[m]\nvid=10000\n") << "line 2: vid: expected a hexadecimal";
    QTest::newRow("hex text") << QByteArray("[m]\n\n; note\npid=zz\n") << "line 4: pid: expected a hexadecimal";
    QTest::newRow("report length 0") << QByteArray("[m]\nreportLength=0\n") << "line 2: reportLength: expected 1 to";
    QTest::newRow("report length text") << QByteArray("[m]\nreportLength=32x\n") << "line 2: reportLength";
    QTest::newRow("secrecy code of five") << QByteArray("[m]\nsCode=51937\n") << "line 2: sCode: expected six";
    QTest::newRow("boolean") << QByteArray("[m]\nisEncode=maybe\n") << "line 2: isEncode: expected true or false";
    QTest::newRow("negative unplug count") << QByteArray("[m]\nunplugAfter=-1\n") << "line 2: unplugAfter";
    QTest::newRow("line without =") << QByteArray("[m]\nfamily 553\n") << "line 2: expected key = value";
    QTest::newRow("open section") << QByteArray("[m\n") << "line 1: section header without ']'";
}

void VirtualMouseControl::badConfigurationIsRefusedAndKeepsTheDevices()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, error);
    QCOMPARE(configure("[a]\nfamily=553\n[b]\n"), 2);
    QCOMPARE(configure(ini), -1);
    QVERIFY2(QString(vm_last_error()).startsWith(error), vm_last_error());
    QCOMPARE(vm_device_count(), 2);
    QCOMPARE(device(0).value("family").toInt(), 553);
    QCOMPARE(configure("[a]\n"), 1);
    QCOMPARE(QString(vm_last_error()), QString());
}

void VirtualMouseControl::configurationFileIsRead()
{
    QVERIFY(folder->write("mice.ini",
                          "\xEF\xBB\xBF; two mice\r\n[first]\r\nfamily = 553\r\nisGun = \"false\"\r\n[second]\r\n"
                          "vid = 0x1234\r\nsCode = abcdef\r\n"));
    QCOMPARE(vm_configure_file(folder->path("mice.ini").toLocal8Bit().constData()), 2);
    QCOMPARE(device(0).value("family").toInt(), 553);
    QCOMPARE(device(1).value("vid").toString(), QString("1234"));

    QCOMPARE(vm_configure_file(folder->path("missing.ini").toLocal8Bit().constData()), -1);
    QVERIFY(QString(vm_last_error()).startsWith("cannot read"));
    QCOMPARE(vm_configure_file(nullptr), -1);
    QCOMPARE(vm_device_count(), 2);
}

void VirtualMouseControl::stateJsonCarriesTheStateOfEachFamily_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("perProfile");

    const QStringList common{"index", "family", "present", "vid", "pid", "isEncode", "isGun", "pendingEvents"};
    QTest::newRow("553") << plainMouse(553)
                         << common + QStringList{"reportRate",     "currentDpi",       "dpiCount",  "dpiCodes",
                                                 "keyMatrices",    "currentKeyMatrix", "ledEffect", "fixColor",
                                                 "stageColorType", "stageColors",      "macros",    "gunData",
                                                 "keyboardOption"}
                         << 0;
    const QStringList keys560 = common + QStringList{"profiles",   "keyMatrices", "currentProfile", "reportRate",
                                                     "currentDpi", "macros",      "keyboardOption"};
    QTest::newRow("560 gun") << plainMouse(560, true) << keys560 << 4;
    QTest::newRow("560 without gun") << plainMouse(560, false) << keys560 << 1;
}

void VirtualMouseControl::stateJsonCarriesTheStateOfEachFamily()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, keys);
    QFETCH(int, perProfile);
    QCOMPARE(configure(ini), 1);

    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(vm_state_json(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject d = doc.object().value("devices").toArray().at(0).toObject();
    QCOMPARE(keysOf(d), QSet<QString>(keys.begin(), keys.end()));

    const int matrixSize = perProfile ? 128 : 64;
    QCOMPARE(d.value("keyMatrices").toArray().size(), 4);
    for (const QJsonValue m : d.value("keyMatrices").toArray())
        QCOMPARE(m.toArray().size(), matrixSize);
    QCOMPARE(d.value("macros").toArray().size(), 12);
    QCOMPARE(d.value("macros").toArray().at(11).toArray().size(), 128);
    if (perProfile) {
        QCOMPARE(d.value("profiles").toArray().size(), 5);
        QCOMPARE(d.value("reportRate").toArray().size(), perProfile);
        QCOMPARE(d.value("currentDpi").toArray().size(), perProfile);
        QCOMPARE(d.value("keyboardOption").toArray().size(), 2);
        // Profiles 1 to 4 come with stages in use, so that the DPI button has somewhere to go.
        for (int p = 1; p < 5; ++p)
            QVERIFY(d.value("profiles").toArray().at(p).toArray().at(100).toInt() != 0);
    } else {
        QCOMPARE(d.value("dpiCodes").toArray().size(), 8);
        QCOMPARE(d.value("gunData").toArray().size(), 3);
        QCOMPARE(d.value("stageColors").toArray().size(), 24);
        QCOMPARE(d.value("keyboardOption").toArray().size(), 4);
    }
}

void VirtualMouseControl::traceLinesFollowTheFormat()
{
    QCOMPARE(configure(plainMouse(560)), 1);
    {
        Handle cmd("virtual:0:cmd");
        Handle event("virtual:0:event");
        sendFeature(cmd.get(), hex("00 8c 01 00 00 00 00 00 72"));
        getFeature(cmd.get());
        QByteArray buf(33, '\0');
        hid_read(cmd.get(), reinterpret_cast<unsigned char *>(buf.data()), 33);
        readTimeout(event.get(), 0);
        writeChunk(cmd.get(), QByteArray(3, '\x0f'));
        sendFeature(cmd.get(), hex("00 01 02 00 00 00 00 00 00"));
        hid_open_path("virtual:9:cmd");
    }
    const QRegularExpression line("^\\d+ (open|open-failed|close|feature-send|feature-get|write|read|read-timeout) "
                                  "\\S+ ([0-9a-f]+|-)( bad-checksum)?$");
    const QStringList lines = traceLines();
    for (const QString &l : lines)
        QVERIFY2(line.match(l).hasMatch(), qPrintable(l));
    QStringList ops = traceOps();
    QCOMPARE(ops.size(), 11);
    QCOMPARE(ops.at(2), QString("feature-send virtual:0:cmd 008c01000000000072"));
    QCOMPARE(ops.at(3), QString("feature-get virtual:0:cmd 008c01000000000072"));
    QCOMPARE(ops.at(4), "read virtual:0:cmd " + toHex(bytesOf(device(0).value("profiles").toArray().at(1)).left(32)));
    QCOMPARE(ops.at(5), QString("read-timeout virtual:0:event -"));
    QCOMPARE(ops.at(6), "write virtual:0:cmd 00" + toHex(QByteArray(32, '\0').replace(0, 3, "\x0f\x0f\x0f")));
    QCOMPARE(ops.at(7), QString("feature-send virtual:0:cmd 000102000000000000 bad-checksum"));
    QCOMPARE(ops.at(8), QString("open-failed virtual:9:cmd -"));
    QCOMPARE(ops.at(9), QString("close virtual:0:event -")); // handles close in reverse order
    QCOMPARE(ops.at(10), QString("close virtual:0:cmd -"));
    QVERIFY(lines.first().section(' ', 0, 0).toULongLong() <= lines.last().section(' ', 0, 0).toULongLong());

    vm_trace_clear();
    QCOMPARE(QString(vm_trace()), QString());
    // Enumeration and the control functions reach no device and leave no line.
    hid_free_enumeration(hid_enumerate(0, 0));
    vm_press_dpi(0);
    QCOMPARE(QString(vm_trace()), QString());
}

void VirtualMouseControl::traceUsesTheInstalledClock()
{
    QCOMPARE(configure(plainMouse(553)), 1);
    vm_set_clock(fakeClock);
    fakeNow = 5000;
    Handle h("virtual:0:cmd");
    fakeNow = 5128;
    sendFeature(h.get(), hex("00 01 02 00 00 00 00 00 FC"));
    vm_set_clock(nullptr);
    sendFeature(h.get(), hex("00 01 02 00 00 00 00 00 FC"));
    const QStringList lines = traceLines();
    QCOMPARE(lines.value(0), QString("5000 open virtual:0:cmd -"));
    QCOMPARE(lines.value(1), QString("5128 feature-send virtual:0:cmd 00010200000000"
                                     "00fc"));
    QVERIFY(lines.value(2).section(' ', 0, 0).toULongLong() < 5000); // real time since the library started
}

void VirtualMouseControl::traceFileGetsTheSameLines()
{
    QFile file(traceDir.filePath("trace.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    file.seek(file.size());
    QCOMPARE(configure(plainMouse(553)), 1);
    {
        Handle h("virtual:0:cmd");
        sendFeature(h.get(), hex("00 01 02 00 00 00 00 00 FC"));
    }
    QCOMPARE(QString::fromLatin1(file.readAll()), QString(vm_trace()));
    vm_trace_clear();
    QCOMPARE(QFile(traceDir.filePath("trace.txt")).size() > 0, true); // clearing leaves the file alone
}

void VirtualMouseControl::controlToolPressesUnplugsAndReports_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("check");

    QTest::newRow("press the DPI button") << QStringList{"press-dpi"} << 0 << "ok"
                                          << "currentDpi=2";
    QTest::newRow("press on device 1") << QStringList{"press-dpi", "1"} << 0 << "ok"
                                       << "currentDpi1=2";
    QTest::newRow("unplug") << QStringList{"unplug", "0"} << 0 << "ok"
                            << "present=false";
    QTest::newRow("no such device") << QStringList{"press-dpi", "2"} << 1 << "error: no device 2"
                                    << "currentDpi=1";
    QTest::newRow("device not a number") << QStringList{"plug", "x"} << 1 << "error: device must be"
                                         << "";
    QTest::newRow("unknown command") << QStringList{"jump"} << 1 << "error: unknown command 'jump'"
                                     << "";
    QTest::newRow("state") << QStringList{"state"} << 0 << "{\"devices\":["
                           << "";
    QTest::newRow("no command") << QStringList{} << 2 << "usage:"
                                << "";
    QTest::newRow("fault") << QStringList{"fault", "keepsOldByte=1", "1"} << 0 << "ok"
                           << "";
    QTest::newRow("unknown fault") << QStringList{"fault", "sneeze=1"} << 1 << "error: unknown fault 'sneeze'"
                                   << "";
    QTest::newRow("fault without value") << QStringList{"fault", "noReply"} << 1 << "error: fault takes"
                                         << "";
}

void VirtualMouseControl::controlToolPressesUnplugsAndReports()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, check);
    QCOMPARE(configure(plainMouse(553) + plainMouse(560)), 2);
    const QString socket = folder->path("vm.sock");
    QCOMPARE(vm_control_start(socket.toLocal8Bit().constData()), 0);

    QProcess ctl;
    ctl.start(VM_CTL_PATH, QStringList{"--socket", socket} + args);
    QVERIFY(ctl.waitForFinished(5000));
    QCOMPARE(ctl.exitCode(), exitCode);
    const QString said = QString::fromUtf8(ctl.readAllStandardOutput() + ctl.readAllStandardError());
    QVERIFY2(said.startsWith(output), qPrintable(said));

    if (check == "currentDpi=2" || check == "currentDpi=1")
        QCOMPARE(device(0).value("currentDpi").toInt(), check.back().digitValue());
    else if (check == "currentDpi1=2")
        QCOMPARE(device(1).value("currentDpi").toArray().at(0).toInt(), 2);
    else if (check == "present=false")
        QCOMPARE(device(0).value("present").toBool(), false);
    if (args == QStringList{"state"})
        QCOMPARE(QJsonDocument::fromJson(said.toUtf8()).object().value("devices").toArray().size(), 2);
}

void VirtualMouseControl::controlSocketIsServedOnce()
{
    const QString socket = folder->path("vm.sock");
    QCOMPARE(vm_control_start(socket.toLocal8Bit().constData()), 0);
    QCOMPARE(vm_control_start(socket.toLocal8Bit().constData()), 0); // already served there
    QCOMPARE(vm_control_start(folder->path("other.sock").toLocal8Bit().constData()), -1);
    vm_control_stop();
    QVERIFY(!QFile::exists(socket));

    // A file that is not a socket is not replaced; a path too long is refused.
    QVERIFY(folder->write("plain.sock", "keep me"));
    QCOMPARE(vm_control_start(folder->path("plain.sock").toLocal8Bit().constData()), -1);
    QCOMPARE(folder->read("plain.sock"), QByteArray("keep me"));
    QCOMPARE(vm_control_start(QByteArray(200, 'x').constData()), -1);

    // Without a server the tool says so.
    QProcess ctl;
    ctl.start(VM_CTL_PATH, QStringList{"--socket", socket, "state"});
    QVERIFY(ctl.waitForFinished(5000));
    QCOMPARE(ctl.exitCode(), 1);
    QVERIFY(ctl.readAllStandardError().contains("cannot reach"));
}

void VirtualMouseControl::sharedLibraryExportsTheCNames()
{
    qputenv("VIRTUAL_MOUSE_SOCKET", "off"); // no control socket from this second copy
    void *lib = dlopen(VM_SHARED_PATH, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(lib, dlerror());
    const char *names[] = {"hid_init",
                           "hid_exit",
                           "hid_enumerate",
                           "hid_free_enumeration",
                           "hid_open",
                           "hid_open_path",
                           "hid_close",
                           "hid_set_nonblocking",
                           "hid_send_feature_report",
                           "hid_get_feature_report",
                           "hid_write",
                           "hid_read",
                           "hid_read_timeout",
                           "hid_error",
                           "vm_state_json",
                           "vm_press_dpi",
                           "vm_set_present",
                           "vm_reset"};
    for (const char *name : names)
        QVERIFY2(dlsym(lib, name), name);
    QVERIFY(!dlsym(lib, "_ZN2vm5worldEv")); // the library's own names stay inside

    using StateJson = const char *(*)();
    using PressDpi = void (*)(int);
    auto state = reinterpret_cast<StateJson>(dlsym(lib, "vm_state_json"));
    auto press = reinterpret_cast<PressDpi>(dlsym(lib, "vm_press_dpi"));
    press(0);
    const QJsonObject d = QJsonDocument::fromJson(state()).object().value("devices").toArray().at(0).toObject();
    QCOMPARE(d.value("family").toInt(), 560);
    QCOMPARE(d.value("currentDpi").toArray().at(0).toInt(), 2);
    dlclose(lib);
    qunsetenv("VIRTUAL_MOUSE_SOCKET");
}

// What make demo does: the program, linked against hidapi, with the library
// preloaded; the control tool reaches it through the socket it serves.
void VirtualMouseControl::preloadedLibraryStandsInForHidapi()
{
    const QString socket = folder->path("demo.sock");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_PRELOAD", VM_SHARED_PATH);
    env.insert("VIRTUAL_MOUSE_SOCKET", socket);
    env.remove("VIRTUAL_MOUSE_CONFIG");
    env.remove("VIRTUAL_MOUSE_TRACE");
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(VM_PROBE_PATH);
    QVERIFY(probe.waitForStarted(5000));
    QByteArray said;
    while (!said.contains("ready") && !said.contains("open failed") && probe.waitForReadyRead(5000))
        said += probe.readAllStandardOutput();
    QVERIFY2(said.contains("ready"), said.constData());
    QVERIFY(said.contains("record virtual:0:cmd ff00 ff00\nrecord virtual:0:event ff01 ff01\n"));

    QProcess ctl;
    ctl.start(VM_CTL_PATH, QStringList{"--socket", socket, "press-dpi"});
    QVERIFY(ctl.waitForFinished(5000));
    QCOMPARE(ctl.exitCode(), 0);
    QVERIFY(probe.waitForFinished(5000));
    said += probe.readAllStandardOutput();
    QVERIFY2(said.contains("read 4 06 07 00 02\n"), said.constData());
    QVERIFY(!QFile::exists(socket)); // removed when the program ends
}

void VirtualMouseControl::environmentNamesTheConfiguration_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QTest::addColumn<QString>("records");
    QTest::addColumn<QString>("complaint");

    QTest::newRow("two mice") << QByteArray("[a]\nfamily=553\nusagePage=ff02\n[b]\npresent=false\n[c]\nusage2=0002\n")
                              << "record virtual:0:cmd ff02 ff00\nrecord virtual:0:event ff01 ff01\n"
                                 "record virtual:2:cmd ff00 ff00\nrecord virtual:2:event ff01 0002\n"
                              << "";
    QTest::newRow("broken file plugs in nothing") << QByteArray("[a]\nfamily=553\nspeed=9\n") << ""
                                                  << "line 3: unknown key 'speed'; no virtual mouse";
    QTest::newRow("missing file plugs in nothing") << QByteArray() << ""
                                                   << "cannot read";
}

// The environment is read once per process, so each row runs in a program of its own.
void VirtualMouseControl::environmentNamesTheConfiguration()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, records);
    QFETCH(QString, complaint);
    if (!file.isEmpty())
        QVERIFY(folder->write("mice.ini", file));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_PRELOAD", VM_SHARED_PATH);
    env.insert("VIRTUAL_MOUSE_SOCKET", "off");
    env.insert("VIRTUAL_MOUSE_CONFIG", folder->path("mice.ini"));
    env.insert("VIRTUAL_MOUSE_TRACE", folder->path("probe-trace.txt")); // not into this test's trace file
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(VM_PROBE_PATH, QStringList{"list"});
    QVERIFY(probe.waitForFinished(5000));
    QCOMPARE(QString::fromLatin1(probe.readAllStandardOutput()), records);
    const QString stderrText = QString::fromLocal8Bit(probe.readAllStandardError());
    if (complaint.isEmpty())
        QCOMPARE(stderrText, QString());
    else
        QVERIFY2(stderrText.contains(complaint), qPrintable(stderrText));
}

QTEST_GUILESS_MAIN(VirtualMouseControl)
#include "tst_vm_control.moc"
