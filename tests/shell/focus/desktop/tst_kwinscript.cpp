#include "shell/focus/desktop/kwinscript.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtTest>

// KWin's scripting object as far as the loader uses it, served on a session
// bus of the test's own (dbus-run-session); it records what it was asked.
class FakeKWinScripting : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.Scripting")
public:
    QStringList calls;
    QStringList loaded;
    int nextId = 0;   // what loadScript answers; -1: refused

public slots:
    bool isScriptLoaded(const QString &plugin)
    {
        calls << "isScriptLoaded " + plugin;
        return loaded.contains(plugin);
    }
    int loadScript(const QString &path, const QString &plugin)
    {
        calls << "loadScript " + path + ' ' + plugin;
        if (nextId >= 0)
            loaded << plugin;
        return nextId;
    }
    void start() { calls << "start"; }
};

class TestKWinScript : public QObject {
    Q_OBJECT
    FakeKWinScripting m_kwin;

private slots:
    void candidates_data()
    {
        QTest::addColumn<QStringList>("dataDirs");
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QStringList>("candidates");
        const QString inPackage = "kwin/scripts/orbex-mouse-focus/contents/code/main.js";
        QTest::newRow("the package")
            << QStringList{"/home/u/.local/share", "/usr/local/share", "/usr/share"} << "/usr/lib/orbex-mouse"
            << QStringList{"/home/u/.local/share/" + inPackage, "/usr/local/share/" + inPackage, "/usr/share/" + inPackage};
        QTest::newRow("an installation under another prefix")
            << QStringList{"/usr/share"} << "/opt/orbex/lib/orbex-mouse"
            << QStringList{"/usr/share/" + inPackage, "/opt/orbex/share/" + inPackage};
        QTest::newRow("trailing slashes")
            << QStringList{"/usr/share/"} << "/usr/lib/orbex-mouse/"
            << QStringList{"/usr/share/" + inPackage};
        QTest::newRow("no data folders known") << QStringList{} << QString() << QStringList{};
    }

    void candidates()
    {
        QFETCH(QStringList, dataDirs);
        QFETCH(QString, programDir);
        QFETCH(QStringList, candidates);
        QCOMPARE(focus::kwinScriptCandidates(dataDirs, programDir, "orbex-mouse-focus"), candidates);
    }

    void noKWinOnTheBus()
    {
        QString error;
        QVERIFY(!focus::loadKWinScript(QDBusConnection::sessionBus(), "/x/main.js", "orbex-mouse-focus", &error));
        QVERIFY2(error.contains("does not answer"), qPrintable(error));
    }

    void loading_data()
    {
        QTest::addColumn<QStringList>("alreadyLoaded");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QStringList>("calls");
        const QString load = "loadScript /usr/share/kwin/scripts/orbex-mouse-focus/contents/code/main.js orbex-mouse-focus";
        QTest::newRow("first start: loaded and started") << QStringList{} << 3 << true
            << QStringList{"isScriptLoaded orbex-mouse-focus", load, "start"};
        QTest::newRow("held from an earlier start: only started") << QStringList{"orbex-mouse-focus"} << 3 << true
            << QStringList{"isScriptLoaded orbex-mouse-focus", "start"};
        QTest::newRow("refused: not started") << QStringList{} << -1 << false
            << QStringList{"isScriptLoaded orbex-mouse-focus", load};
        QTest::newRow("another script loaded does not count") << QStringList{"tiling"} << 0 << true
            << QStringList{"isScriptLoaded orbex-mouse-focus", load, "start"};
    }

    void loading()
    {
        QFETCH(QStringList, alreadyLoaded);
        QFETCH(int, answer);
        QFETCH(bool, done);
        QFETCH(QStringList, calls);
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.isConnected());
        m_kwin.calls.clear();
        m_kwin.loaded = alreadyLoaded;
        m_kwin.nextId = answer;
        QVERIFY(bus.registerObject("/Scripting", &m_kwin, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService("org.kde.KWin"));
        QString error;
        const bool loaded = focus::loadKWinScript(
            bus, "/usr/share/kwin/scripts/orbex-mouse-focus/contents/code/main.js", "orbex-mouse-focus", &error);
        bus.unregisterService("org.kde.KWin");
        bus.unregisterObject("/Scripting");
        QCOMPARE(loaded, done);
        QCOMPARE(m_kwin.calls, calls);
        QCOMPARE(error.isEmpty(), done);
    }

    // The source the program starts on KWin: the script loaded and started,
    // and a refusal or a missing script is "not available".
    void sourceStarts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("started");
        QTest::newRow("loaded") << "/usr/share/kwin/scripts/x/contents/code/main.js" << 4 << true;
        QTest::newRow("refused") << "/usr/share/kwin/scripts/x/contents/code/main.js" << -1 << false;
    }

    void sourceStarts()
    {
        QFETCH(QString, script);
        QFETCH(int, answer);
        QFETCH(bool, started);
        QDBusConnection bus = QDBusConnection::sessionBus();
        m_kwin.calls.clear();
        m_kwin.loaded.clear();
        m_kwin.nextId = answer;
        QVERIFY(bus.registerObject("/Scripting", &m_kwin, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService("org.kde.KWin"));
        KWinScriptSource source(nullptr, script, bus);
        if (!started)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kwin: KWin refused to load"));
        const bool ok = source.start();
        bus.unregisterService("org.kde.KWin");
        bus.unregisterObject("/Scripting");
        QCOMPARE(ok, started);
        QCOMPARE(m_kwin.calls.size(), started ? 3 : 2);
    }
};

QTEST_GUILESS_MAIN(TestKWinScript)
#include "tst_kwinscript.moc"
