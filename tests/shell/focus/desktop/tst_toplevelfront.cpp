#include "shell/focus/desktop/toplevelfront.h"

#include <QtTest>

#include <cstdint>
#include <vector>

using focus::ToplevelFront;

Q_DECLARE_METATYPE(std::vector<uint32_t>)

// The compositor's events replayed from a script, one event a line:
//   open H | app H text | title H text | on H | off H | done H | close H
// and what the window in front became at each done/close that changed it,
// as "class|title".
class TestToplevelFront : public QObject {
    Q_OBJECT

    static QStringList replay(ToplevelFront &front, const QStringList &script)
    {
        QStringList reports;
        for (const QString &line : script) {
            const QString verb = line.section(' ', 0, 0);
            const auto handle = ToplevelFront::Handle(line.section(' ', 1, 1).toULongLong());
            const QString text = line.section(' ', 2);
            std::optional<OpenWindow> report;
            if (verb == "open") front.opened(handle);
            else if (verb == "app") front.appId(handle, text);
            else if (verb == "title") front.title(handle, text);
            else if (verb == "on") front.activated(handle, true);
            else if (verb == "off") front.activated(handle, false);
            else if (verb == "done") report = front.done(handle);
            else if (verb == "close") report = front.closed(handle);
            else qFatal("bad script line %s", qPrintable(line));
            if (report)
                reports << report->windowClass + '|' + report->title;
        }
        return reports;
    }

private slots:
    void frontFollowsTheEvents_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("reports");
        const QStringList twoOpen = {"open 1", "app 1 foot", "title 1 ~", "on 1", "done 1",
                                     "open 2", "app 2 firefox", "title 2 News", "off 2", "done 2"};
        QTest::newRow("focus moves: the old one gives up first, then the new one")
            << twoOpen + QStringList{"off 1", "done 1", "on 2", "done 2"} << QStringList{"foot|~", "|", "firefox|News"};
        // Until the old one gives up, the one activated later is in front.
        QTest::newRow("focus moves: the new one says so first")
            << twoOpen + QStringList{"on 2", "done 2"} << QStringList{"foot|~", "firefox|News"};
        QTest::newRow("nothing counts before done")
            << QStringList{"open 1", "app 1 foot", "on 1"} << QStringList{};
        QTest::newRow("a title change of the window in front is reported")
            << twoOpen + QStringList{"title 1 ~/src", "done 1"} << QStringList{"foot|~", "foot|~/src"};
        QTest::newRow("a title change behind it is not")
            << twoOpen + QStringList{"title 2 Weather", "done 2"} << QStringList{"foot|~"};
        QTest::newRow("the window in front closes: none in front")
            << twoOpen + QStringList{"close 1"} << QStringList{"foot|~", "|"};
        QTest::newRow("a window behind closes: nothing changes")
            << twoOpen + QStringList{"close 2"} << QStringList{"foot|~"};
        QTest::newRow("a window that never said done still closes quietly")
            << QStringList{"open 7", "close 7"} << QStringList{};
        QTest::newRow("events of unknown handles are ignored")
            << QStringList{"app 9 ghost", "on 9", "done 9", "close 9"} << QStringList{};
        QTest::newRow("an app id arriving later renames the window in front")
            << QStringList{"open 3", "title 3 Loading", "on 3", "done 3", "app 3 steam", "done 3"}
            << QStringList{"|Loading", "steam|Loading"};
        QTest::newRow("a state repeated without change reports nothing")
            << twoOpen + QStringList{"on 1", "done 1", "off 2", "done 2"} << QStringList{"foot|~"};
    }

    void frontFollowsTheEvents()
    {
        QFETCH(QStringList, script);
        QFETCH(QStringList, reports);
        ToplevelFront front;
        QCOMPARE(replay(front, script), reports);
    }

    void openWindowsInOpeningOrder()
    {
        ToplevelFront front;
        replay(front, {"open 20", "app 20 foot", "title 20 a", "done 20",
                       "open 10", "app 10 firefox", "title 10 b", "done 10",
                       "open 30", "title 30 no class", "done 30",
                       "open 40", "app 40 kept pending"});
        QCOMPARE(front.openWindows(), (QList<OpenWindow>{{"foot", "a"}, {"firefox", "b"}}));
        replay(front, {"close 20"});
        QCOMPARE(front.openWindows(), (QList<OpenWindow>{{"firefox", "b"}}));
    }

    void activatedAmongStates_data()
    {
        QTest::addColumn<std::vector<uint32_t>>("states");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("activated");
        QTest::newRow("none") << std::vector<uint32_t>{} << 0 << false;
        QTest::newRow("maximised only") << std::vector<uint32_t>{0} << 4 << false;
        QTest::newRow("activated alone") << std::vector<uint32_t>{2} << 4 << true;
        QTest::newRow("activated among others") << std::vector<uint32_t>{0, 3, 2} << 12 << true;
        QTest::newRow("minimised and fullscreen") << std::vector<uint32_t>{1, 3} << 8 << false;
        QTest::newRow("a cut-off value is not read") << std::vector<uint32_t>{0, 2} << 7 << false;
        QTest::newRow("unknown values") << std::vector<uint32_t>{99, 0xffffffffu} << 8 << false;
        QTest::newRow("no array at all") << std::vector<uint32_t>{} << 8 << false;
    }

    void activatedAmongStates()
    {
        QFETCH(std::vector<uint32_t>, states);
        QFETCH(int, bytes);
        QFETCH(bool, activated);
        QCOMPARE(focus::statesHoldActivated(states.empty() ? nullptr : states.data(), size_t(bytes)), activated);
    }
};

QTEST_GUILESS_MAIN(TestToplevelFront)
#include "tst_toplevelfront.moc"
