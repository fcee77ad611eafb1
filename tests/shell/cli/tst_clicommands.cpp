// The command line without a window, in this process, on the virtual mouse
// (the factory settings: a 560-family gun mouse with colourful lighting and
// four of four DPI stages from 200 to 6000 in steps of 100).
#include "shell/cli/cliargs.h"
#include "shell/cli/headless.h"

#include "programfolder.h"
#include "virtual_mouse.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QtTest>

#include <sys/stat.h>

class CliCommandsTest : public QObject {
    Q_OBJECT

    static cli::Result run(const QStringList &arguments)
    {
        const cliargs::Parsed parsed = cliargs::parse(arguments, QDir::currentPath());
        if (!parsed.ok) {
            cli::Result usage;
            usage.exit = cliargs::kBadUsage;
            usage.err = parsed.error;
            return usage;
        }
        return cli::runHeadless(parsed.request);
    }

    static QVariant stored(const ProgramFolder &folder, const QString &key)
    {
        QSettings profile(folder.path("modules/setting/p1.bin"), QSettings::IniFormat);
        return profile.value(key);
    }

    static QJsonObject mouseState()
    {
        return QJsonDocument::fromJson(vm_state_json()).object().value("devices").toArray().at(0).toObject();
    }

private slots:
    void init()
    {
        QCOMPARE(vm_configure_text("[default]\n"), 1);
        vm_reset();
    }

    // Each row: the command line, its exit code, and a text its message or
    // result must hold (the valid range for a bad value).
    void valuesAreCheckedAgainstTheWindowsRanges_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("says");
        QTest::newRow("rate not offered") << QStringList{"set", "report-rate", "600"} << 2 << "125, 250, 500, 1000";
        QTest::newRow("rate with unit") << QStringList{"set", "report-rate", "250Hz"} << 0 << "";
        QTest::newRow("dpi off the step") << QStringList{"set", "dpi", "2", "1650"} << 2 << "200 to 6000 in steps of 100";
        QTest::newRow("dpi below range") << QStringList{"set", "dpi", "2", "100"} << 2 << "200 to 6000";
        QTest::newRow("dpi above range") << QStringList{"set", "dpi", "1", "6100"} << 2 << "200 to 6000";
        QTest::newRow("dpi stage beyond the panel") << QStringList{"set", "dpi", "5", "1600"} << 2 << "stage 1 to 4";
        QTest::newRow("dpi, text") << QStringList{"set", "dpi", "2", "fast"} << 2 << "200 to 6000";
        QTest::newRow("dpi in range") << QStringList{"set", "dpi", "2", "1600"} << 0 << "";
        QTest::newRow("no stages") << QStringList{"set", "dpi-stages", "0"} << 2 << "1 to 4";
        QTest::newRow("stages") << QStringList{"set", "dpi-stages", "3"} << 0 << "";
        QTest::newRow("active stage beyond use") << QStringList{"set", "active-stage", "5"} << 2 << "1 to 4";
        QTest::newRow("active stage") << QStringList{"set", "active-stage", "2"} << 0 << "";
        QTest::newRow("unknown effect") << QStringList{"set", "lighting-effect", "Disco"} << 2 << "Static, Breath";
        QTest::newRow("effect by name") << QStringList{"set", "lighting-effect", "wave"} << 0 << "";
        QTest::newRow("effect by number") << QStringList{"set", "lighting-effect", "2"} << 0 << "";
        QTest::newRow("speed of a static light") << QStringList{"set", "lighting-speed", "2"} << 2 << "has no speed";
        QTest::newRow("brightness too high") << QStringList{"set", "lighting-brightness", "5"} << 2 << "0 to 4";
        QTest::newRow("brightness in percent") << QStringList{"set", "lighting-brightness", "50%"} << 0 << "";
        QTest::newRow("colour not hex") << QStringList{"set", "lighting-colour", "2", "#12345"} << 2 << "#000000 to #ffffff";
        QTest::newRow("colour 9") << QStringList{"set", "lighting-colour", "9", "#123456"} << 2 << "colour 1, 2";
        QTest::newRow("colour") << QStringList{"set", "lighting-colour", "2", "#123456"} << 0 << "";
        QTest::newRow("no such setting") << QStringList{"set", "loudness", "11"} << 2 << "no setting";
        QTest::newRow("too many values") << QStringList{"set", "report-rate", "500", "1000"} << 2 << "takes HZ";
        QTest::newRow("key beyond the list") << QStringList{"set", "key", "9", "Left Key"} << 2 << "key 1 to 8";
        QTest::newRow("the only left button") << QStringList{"set", "key", "1", "Right Key"} << 2 << "only left button";
        QTest::newRow("unknown function") << QStringList{"set", "key", "3", "Teleport"} << 2 << "Middle Key, Right Key";
        QTest::newRow("three keys") << QStringList{"set", "key", "3", "ctrl+a+b+c"} << 2 << "at most two keys";
        QTest::newRow("dialog name") << QStringList{"set", "key", "3", "volume+"} << 0 << "";
        QTest::newRow("combination") << QStringList{"set", "key", "3", "ctrl+shift+Esc"} << 0 << "";
        QTest::newRow("fire rate too slow") << QStringList{"set", "key", "4", "fire", "a", "300"} << 2 << "1 to 255 (ms)";
        QTest::newRow("fire") << QStringList{"set", "key", "4", "fire", "a", "20", "3"} << 0 << "";
        QTest::newRow("macro not there") << QStringList{"set", "key", "4", "macro", "Jump"} << 2 << "no macro";
        QTest::newRow("gun slot 4") << QStringList{"set", "gun-slot", "4", "AKM"} << 2 << "slot 1 to 3";
        QTest::newRow("unknown gun") << QStringList{"set", "gun-slot", "2", "Bow"} << 2 << "M416, AKM";
        QTest::newRow("gun slot") << QStringList{"set", "gun-slot", "2", "akm"} << 0 << "";
        QTest::newRow("pointer speed 12") << QStringList{"set", "pointer-speed", "12"} << 2 << "1 to 11";
        QTest::newRow("scroll rows 0") << QStringList{"set", "scroll-rows", "0"} << 2 << "1 to 100, or screen";
        QTest::newRow("no such profile") << QStringList{"profile", "use", "7"} << 2 << "1 Standard";
        QTest::newRow("macro not there") << QStringList{"macro", "export", "None", "x.mc"} << 2 << "no macro";
    }

    void valuesAreCheckedAgainstTheWindowsRanges()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exit);
        QFETCH(QString, says);
        ProgramFolder folder;
        const QByteArray before = folder.read("modules/setting/p1.bin");
        const cli::Result result = run(arguments);
        QVERIFY2(result.exit == exit, qPrintable(result.err));
        QVERIFY2(result.err.contains(says) || result.out.contains(says), qPrintable(result.err));
        if (exit == cliargs::kBadUsage)
            QCOMPARE(folder.read("modules/setting/p1.bin"), before);
    }

    void aReportRateReachesTheMouseAndTheProfile()
    {
        ProgramFolder folder;
        const cli::Result result = run({"set", "report-rate", "500"});
        QVERIFY2(result.exit == cliargs::kDone, qPrintable(result.err));
        QCOMPARE(stored(folder, "mouse/reportRate").toInt(), 2);
        // Every on-board profile in use holds 2 ms between reports.
        const QJsonArray rates = mouseState().value("reportRate").toArray();
        QVERIFY(!rates.isEmpty());
        for (const QJsonValue &rate : rates)
            QCOMPARE(rate.toInt(), 2);
    }

    void showJsonIsWhatTheStoresHold()
    {
        ProgramFolder folder;
        {
            QSettings profile(folder.path("modules/setting/p1.bin"), QSettings::IniFormat);
            profile.setValue("mouse/reportRate", 1);
            profile.setValue("mouse/currentDpiCount", 3);
            profile.setValue("mouse/dpiValueArray", QStringList{"400", "800", "1600", "3200", "4000", "5000", "6000", "6000"});
            profile.setValue("mouse/lightValue", QStringList{"5", "2", "3"});
            QStringList colours;
            for (int i = 0; i < 8; ++i)
                colours << QString::number(i * 30) << "0" << "255";
            profile.setValue("mouse/colorValue", colours);
        }
        const cli::Result result = run({"show", "--json"});
        QVERIFY2(result.exit == cliargs::kDone, qPrintable(result.err));
        const QJsonObject o = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(o.value("format").toInt(), 1);
        QCOMPARE(o.value("reportRate").toInt(), 250);
        const QJsonObject dpi = o.value("dpi").toObject();
        QCOMPARE(dpi.value("stages").toArray(), (QJsonArray{400, 800, 1600, 3200}));
        QCOMPARE(dpi.value("stagesInUse").toInt(), 3);
        const QJsonObject light = o.value("lighting").toObject();
        QCOMPARE(light.value("effect").toString(), QString("Wave"));
        QCOMPARE(light.value("speed").toInt(), 2);
        QCOMPARE(light.value("brightness").toInt(), 3);
        QCOMPARE(light.value("colours").toArray().at(3).toString(), QString("#5a00ff"));
        const QJsonArray keys = o.value("keys").toArray();
        QCOMPARE(keys.size(), 8);
        QCOMPARE(keys.at(0).toObject().value("function").toString(), QString("Left Key"));
        QCOMPARE(o.value("profile").toObject().value("number").toInt(), 1);
    }

    void withoutAMouseNothingChangesAndTheExitIsThree()
    {
        ProgramFolder folder;
        QCOMPARE(vm_configure_text("[gone]\npresent = false\n"), 1);
        const QByteArray before = folder.read("modules/setting/p1.bin");
        const cli::Result result = run({"set", "report-rate", "500"});
        QCOMPARE(result.exit, cliargs::kNoMouse);
        QCOMPARE(folder.read("modules/setting/p1.bin"), before);
        QCOMPARE(run({"list"}).exit, cliargs::kNoMouse);
    }

    void aKeyAndItsNameReachTheMouseAndTheList()
    {
        ProgramFolder folder;
        const cli::Result result = run({"set", "key", "3", "ctrl+a"});
        QVERIFY2(result.exit == cliargs::kDone, qPrintable(result.err));
        QCOMPARE(stored(folder, "mouseKeyMatrix/2").toStringList(), (QStringList{"2", "1", "4", "0"}));
        const QJsonArray keys =
            QJsonDocument::fromJson(run({"show", "--json"}).out.toUtf8()).object().value("keys").toArray();
        QCOMPARE(keys.at(2).toObject().value("function").toString(), QString("LCtrl + A"));
    }

    void aMouseThatDoesNotTakeTheKeysGivesOne()
    {
        // The key list goes out in output reports, which this mouse refuses.
        ProgramFolder folder;
        QCOMPARE(vm_configure_text("[m]\nwriteError = true\n"), 1);
        const cli::Result result = run({"set", "key", "3", "Right Key"});
        QCOMPARE(result.exit, cliargs::kNotTaken);
        QVERIFY2(result.err.contains("did not take it"), qPrintable(result.err));
        // The profile holds the change; the mouse gets it when it is back.
        QCOMPARE(stored(folder, "mouseKeyMatrix/2").toStringList(), (QStringList{"0", "0", "241", "0"}));
    }

    void aProfileFileThatCannotBeWrittenGivesFour()
    {
        ProgramFolder folder;
        // A FIFO in the file's place: no user, root neither, can write it.
        QVERIFY(folder.remove("modules/setting/p1.bin"));
        QCOMPARE(::mkfifo(QFile::encodeName(folder.path("modules/setting/p1.bin")).constData(), 0600), 0);
        const cli::Result result = run({"set", "report-rate", "500"});
        QCOMPARE(result.exit, cliargs::kNotStored);
        QVERIFY2(result.err.contains("not saved on this computer"), qPrintable(result.err));
    }

    void profilesAndMacrosRoundTrip()
    {
        ProgramFolder folder;
        cli::Result made = run({"profile", "new", "Work"});
        QVERIFY2(made.exit == cliargs::kDone, qPrintable(made.err));
        QCOMPARE(made.out, QString("2 Work\n"));
        QCOMPARE(run({"profile", "new", "Work"}).exit, cliargs::kBadUsage);
        QVERIFY(run({"profile", "rename", "Work", "Play"}).exit == cliargs::kDone);
        QVERIFY(run({"set", "report-rate", "250"}).exit == cliargs::kDone);
        const QString exported = folder.path("standard.pf");
        QCOMPARE(run({"profile", "export", "1", exported}).exit, cliargs::kDone);
        QCOMPARE(run({"profile", "import", exported}).out, QString("3 profile_0\n"));

        const cli::Result use = run({"profile", "use", "profile_0"});
        QVERIFY2(use.exit == cliargs::kDone, qPrintable(use.err));
        QCOMPARE(run({"profile", "list"}).out, QString("1 Standard\n2 Play\n3 profile_0  (in use)\n"));
        // The imported copy of profile 1 went to the mouse with it.
        for (const QJsonValue &rate : mouseState().value("reportRate").toArray())
            QCOMPARE(rate.toInt(), 4);

        QVERIFY(folder.write("jump.mc", "[config]\nindex=0\ntotal=0\nrepeat=1\ndid=-1\n"));
        QCOMPARE(run({"macro", "import", folder.path("jump.mc"), "Jump"}).exit, cliargs::kDone);
        QCOMPARE(run({"macro", "list"}).out, QString("Jump\n"));
        QCOMPARE(run({"macro", "export", "Jump", folder.path("out.mc")}).exit, cliargs::kDone);
        QCOMPARE(folder.read("out.mc"), folder.read("jump.mc"));
    }
};

QTEST_MAIN(CliCommandsTest)
#include "tst_clicommands.moc"
