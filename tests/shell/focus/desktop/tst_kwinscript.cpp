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
    const QString kScript = "/usr/share/kwin/scripts/orbex-mouse-focus/contents/code/main.js";

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

    // The source the program starts on KWin: the script loaded unless KWin
    // holds it, then started; where KWin is missing or refuses, the source
    // is not available and the log says why.
    void loading_data()
    {
        QTest::addColumn<bool>("kwin");
        QTest::addColumn<QStringList>("alreadyLoaded");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QStringList>("calls");
        const QString asked = "isScriptLoaded orbex-mouse-focus";
        const QString load = "loadScript " + kScript + " orbex-mouse-focus";
        QTest::newRow("first start: loaded and started") << true << QStringList{} << 3 << ""
                                                         << QStringList{asked, load, "start"};
        QTest::newRow("held from an earlier start: only started") << true << QStringList{"orbex-mouse-focus"} << 3
                                                                  << "" << QStringList{asked, "start"};
        QTest::newRow("another script loaded does not count") << true << QStringList{"tiling"} << 0 << ""
                                                              << QStringList{asked, load, "start"};
        QTest::newRow("refused: not started") << true << QStringList{} << -1 << "KWin refused to load"
                                              << QStringList{asked, load};
        QTest::newRow("no KWin on the bus") << false << QStringList{} << 0 << "KWin does not answer" << QStringList{};
    }

    void loading()
    {
        QFETCH(bool, kwin);
        QFETCH(QStringList, alreadyLoaded);
        QFETCH(int, answer);
        QFETCH(QString, warning);
        QFETCH(QStringList, calls);
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.isConnected());
        m_kwin.calls.clear();
        m_kwin.loaded = alreadyLoaded;
        m_kwin.nextId = answer;
        if (kwin) {
            QVERIFY(bus.registerObject("/Scripting", &m_kwin, QDBusConnection::ExportAllSlots));
            QVERIFY(bus.registerService("org.kde.KWin"));
        }
        if (warning.isEmpty())
            QTest::failOnWarning(QRegularExpression("."));
        else
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^kwin: " + warning));
        KWinScriptSource source(nullptr, kScript, bus);
        const bool started = source.start();
        bus.unregisterService("org.kde.KWin");
        bus.unregisterObject("/Scripting");
        QCOMPARE(started, warning.isEmpty());
        QCOMPARE(m_kwin.calls, calls);
    }
};

QTEST_GUILESS_MAIN(TestKWinScript)
#include "tst_kwinscript.moc"
