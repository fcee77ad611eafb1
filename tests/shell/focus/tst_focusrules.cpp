#include "shell/focus/focuschoice.h"
#include "shell/focus/profilerules.h"
#include "shell/focus/x11focussource.h"

#include <QtTest>

using focus::FocusKind;

Q_DECLARE_METATYPE(focus::FocusKind)

// The pure parts of following the program in front: which profile a window
// asks for, when a change of window counts, how a WM_CLASS names the
// program, and which source a desktop gets.
class FocusRulesTest : public QObject {
    Q_OBJECT

    // Standard (slot 0) first, its own list counting for nothing; then a
    // game profile in slot 3 and a work profile in slot 1, both listing
    // "steam": list order decides.
    static QList<focus::ProfileRule> profiles()
    {
        return {{0, {QStringLiteral("quake")}},
                {3, {QStringLiteral("Quake"), QStringLiteral("steam")}},
                {1, {QStringLiteral("Steam"), QStringLiteral("libreoffice")}}};
    }

private slots:
    void profileForTheWindowInFront_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<int>("slot");
        QTest::newRow("listed, also on the first profile") << "Quake" << 3;
        QTest::newRow("letter case does not matter") << "quAKE" << 3;
        QTest::newRow("blanks around the class") << "  libreoffice " << 1;
        QTest::newRow("listed twice: the earlier profile") << "STEAM" << 3;
        QTest::newRow("unlisted: the first profile") << "firefox" << 0;
        QTest::newRow("nothing in front: the first profile") << "" << 0;
        QTest::newRow("a part of a listed name is no match") << "Quak" << 0;
    }
    void profileForTheWindowInFront()
    {
        QFETCH(QString, windowClass);
        QFETCH(int, slot);
        QCOMPARE(focus::slotForWindow(profiles(), windowClass), std::optional<int>(slot));
    }

    void withoutProfilesNothingIsChosen()
    {
        QCOMPARE(focus::slotForWindow({}, QStringLiteral("Quake")), std::nullopt);
    }

    void programsAreKeptClean_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("trimmed, empty ones dropped") << QStringList{" a ", "", "  ", "b"} << QStringList{"a", "b"};
        QTest::newRow("repeats in another letter case dropped, the first kept")
            << QStringList{"Steam", "steam", "STEAM", "x"} << QStringList{"Steam", "x"};
        QTest::newRow("an over-long name is cut")
            << QStringList{QString(200, QLatin1Char('q'))} << QStringList{QString(focus::kMaxProgramLength, QLatin1Char('q'))};
        QStringList many;
        QStringList kept;
        for (int i = 0; i < focus::kMaxPrograms + 5; ++i) {
            many << QStringLiteral("p%1").arg(i);
            if (i < focus::kMaxPrograms)
                kept << QStringLiteral("p%1").arg(i);
        }
        QTest::newRow("at most the limit") << many << kept;
    }
    void programsAreKeptClean()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, kept);
        QCOMPARE(focus::cleanedPrograms(given), kept);
    }

    // Each row: focus changes "time:class" and the checks "time" at which
    // the settling is asked; the classes it gives, in order.
    void focusCountsOnceItHasSettled_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QList<qint64>>("checks");
        QTest::addColumn<QStringList>("settled");
        QTest::newRow("a change counts after 300 ms")
            << QStringList{"0:game"} << QList<qint64>{299, 300} << QStringList{"game"};
        QTest::newRow("given once only") << QStringList{"0:game"} << QList<qint64>{300, 900} << QStringList{"game"};
        QTest::newRow("a flip away and back within 300 ms switches nothing")
            << QStringList{"0:game", "400:chat", "550:game"} << QList<qint64>{300, 700, 850} << QStringList{"game"};
        QTest::newRow("a flip that stays counts")
            << QStringList{"0:game", "400:chat"} << QList<qint64>{300, 699, 700} << QStringList{"game", "chat"};
        QTest::newRow("only the last of a burst counts")
            << QStringList{"0:a", "100:b", "200:c", "250:d"} << QList<qint64>{300, 549, 550} << QStringList{"d"};
        QTest::newRow("the same window again is no change, letter case aside")
            << QStringList{"0:Game", "500:game"} << QList<qint64>{300, 800} << QStringList{"Game"};
        QTest::newRow("leaving for the desktop (no window) counts")
            << QStringList{"0:game", "500:"} << QList<qint64>{300, 800} << QStringList{"game", ""};
    }
    void focusCountsOnceItHasSettled()
    {
        QFETCH(QStringList, changes);
        QFETCH(QList<qint64>, checks);
        QFETCH(QStringList, settled);
        focus::FocusSettling settling;
        QStringList given;
        // Changes and checks in the order of their times.
        qsizetype c = 0;
        for (qint64 check : checks) {
            for (; c < changes.size(); ++c) {
                const qint64 at = changes.at(c).section(QLatin1Char(':'), 0, 0).toLongLong();
                if (at > check)
                    break;
                settling.note(at, changes.at(c).section(QLatin1Char(':'), 1));
            }
            if (const auto window = settling.settled(check))
                given << *window;
        }
        QCOMPARE(given, settled);
    }

    void settlingSaysWhenItIsDue()
    {
        focus::FocusSettling settling;
        settling.note(1000, QStringLiteral("a"));
        settling.note(1100, QStringLiteral("b"));
        QCOMPARE(settling.dueAt(), std::optional<qint64>(1400));
        QVERIFY(settling.settled(1400));
        QCOMPARE(settling.dueAt(), std::nullopt);
    }

    void wmClassNamesTheProgram_data()
    {
        QTest::addColumn<QByteArray>("wmClass");
        QTest::addColumn<QString>("program");
        QTest::newRow("instance and class") << QByteArray("navigator\0Firefox\0", 18) << "Firefox";
        QTest::newRow("no terminator after the class") << QByteArray("steam\0Steam", 11) << "Steam";
        QTest::newRow("empty class: the instance") << QByteArray("xterm\0\0", 7) << "xterm";
        QTest::newRow("instance only") << QByteArray("xterm") << "xterm";
        QTest::newRow("nothing") << QByteArray() << "";
        QTest::newRow("more parts than two: the second") << QByteArray("a\0b\0c\0", 6) << "b";
    }
    void wmClassNamesTheProgram()
    {
        QFETCH(QByteArray, wmClass);
        QFETCH(QString, program);
        QCOMPARE(focus::programOfWmClass(wmClass), program);
    }

    // Each row: XDG_SESSION_TYPE, XDG_CURRENT_DESKTOP, the display
    // variables that are set, and the source.
    void theDesktopChoosesTheSource_data()
    {
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("set");
        QTest::addColumn<FocusKind>("kind");
        const QStringList x11{"DISPLAY"};
        const QStringList both{"DISPLAY", "WAYLAND_DISPLAY"};
        QTest::newRow("Plasma on X11") << "x11" << "KDE" << x11 << FocusKind::X11;
        QTest::newRow("GNOME on X11") << "x11" << "ubuntu:GNOME" << x11 << FocusKind::X11;
        QTest::newRow("no session type, only DISPLAY") << "" << "" << x11 << FocusKind::X11;
        QTest::newRow("Plasma on Wayland") << "wayland" << "KDE" << both << FocusKind::KWin;
        QTest::newRow("GNOME on Wayland, listed second") << "wayland" << "ubuntu:GNOME" << both << FocusKind::GnomeShell;
        QTest::newRow("sway by its socket") << "wayland" << "" << (both + QStringList{"SWAYSOCK"}) << FocusKind::Wlr;
        QTest::newRow("sway by name") << "wayland" << "sway" << QStringList{"WAYLAND_DISPLAY"} << FocusKind::Wlr;
        QTest::newRow("Wayland by its display alone") << "" << "KDE" << both << FocusKind::KWin;
        QTest::newRow("other Wayland desktop: XWayland sees too little") << "wayland" << "Weston" << both
                                                                         << FocusKind::None;
        QTest::newRow("a text console") << "tty" << "" << QStringList{} << FocusKind::None;
        QTest::newRow("x11 named, Wayland display left over") << "x11" << "KDE" << both << FocusKind::X11;
    }
    void theDesktopChoosesTheSource()
    {
        QFETCH(QString, sessionType);
        QFETCH(QString, desktop);
        QFETCH(QStringList, set);
        QFETCH(FocusKind, kind);
        focus::FocusEnvironment env;
        env.sessionType = sessionType;
        env.currentDesktop = desktop;
        env.hasX11Display = set.contains("DISPLAY");
        env.hasWaylandDisplay = set.contains("WAYLAND_DISPLAY");
        env.hasSwaySocket = set.contains("SWAYSOCK");
        QCOMPARE(focus::kindName(focus::chooseFocusSource(env)), focus::kindName(kind));
    }
};

QTEST_GUILESS_MAIN(FocusRulesTest)
#include "tst_focusrules.moc"
