#include "shell/focus/x11focussource.h"

#include "fakewindowmanager.h"

#include <QSignalSpy>
#include <QtTest>

// The X11 source on the test's X server (Xvfb), with a fake window manager
// telling which of its windows is in front.
class X11FocusSourceTest : public QObject {
    Q_OBJECT

private slots:
    void windowsInFrontAreReportedInTurn()
    {
        FakeWindowManager manager;
        QVERIFY(manager.isValid());
        const int game = manager.addWindow("quake3", "Quake", "Quake III");
        const int editor = manager.addWindow("gedit", "", "笔记 — notes");
        manager.front(game);

        X11FocusSource source;
        QSignalSpy spy(&source, &FocusSource::activated);
        QVERIFY(source.start());
        // The window in front at the start counts too.
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Quake"));
        QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("Quake III"));

        const QList<std::pair<int, QString>> turns{{editor, "gedit"}, {game, "Quake"}, {-1, ""}, {editor, "gedit"}};
        for (const auto &[window, program] : turns) {
            const int before = int(spy.count());
            manager.front(window);
            QTRY_COMPARE(spy.count(), before + 1);
            QCOMPARE(spy.last().at(0).toString(), program);
        }
        QCOMPARE(spy.last().at(1).toString(), QStringLiteral("笔记 — notes"));

        QVERIFY(source.listsWindows());
        const QList<OpenWindow> open = source.openWindows();
        QCOMPARE(open.size(), 2);
        QCOMPARE(open.at(0), (OpenWindow{"Quake", "Quake III"}));
        QCOMPARE(open.at(1).windowClass, QStringLiteral("gedit"));
        manager.clearRoot();
    }

    void withoutAnXServerItDoesNotStart()
    {
        X11FocusSource source(":4711");
        QVERIFY(!source.start());
        QVERIFY(!source.listsWindows());
        QVERIFY(source.openWindows().isEmpty());
    }
};

QTEST_GUILESS_MAIN(X11FocusSourceTest)
#include "tst_x11focussource.moc"
