#include "shell/focus/autoprofile.h"
#include "shell/focus/focusbusentry.h"
#include "storage/profiles.h"
#include "storage/regularfile.h"
#include "storage/settingsstores.h"
#include "storage/storagefaults.h"

#include "programfolder.h"

#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

// A desktop that says what is in front when the test tells it to.
class ScriptedSource : public FocusSource {
public:
    explicit ScriptedSource(bool starts = true) : m_starts(starts) { }
    QString name() const override { return QStringLiteral("scripted"); }
    bool start() override { return m_starts; }
    bool listsWindows() const override { return true; }
    QList<OpenWindow> openWindows() const override { return windows; }
    void front(const QString &windowClass) { emit activated(windowClass, windowClass + QStringLiteral(" window")); }
    QList<OpenWindow> windows;

private:
    bool m_starts;
};

} // namespace

// Switching by the program in front, through a scripted desktop and the
// real profile files; the D-Bus entry point driven by dbus-send (the test
// runs in a session bus of its own).
class AutoProfileTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<SettingsStores> stores;
    std::unique_ptr<AutoProfile> autoProfile;
    ScriptedSource *desktop = nullptr;
    int current = 0;
    QList<int> switches;
    QStringList announced;
    int refusals = 0;

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>();
        stores = std::make_unique<SettingsStores>();
        autoProfile = std::make_unique<AutoProfile>();
        autoProfile->setStores(stores.get());
        autoProfile->ownClasses = {QStringLiteral("orbex-mouse")};
        autoProfile->profiles = [] {
            return QList<AutoProfile::Profile>{{0, "Standard"}, {3, "Game"}, {1, "Office"}};
        };
        current = 0;
        switches.clear();
        announced.clear();
        refusals = 0;
        autoProfile->currentSlot = [this] { return current; };
        autoProfile->switchTo = [this](int slot) {
            if (refusals > 0) {
                --refusals;
                return AutoProfile::Outcome::Refused;
            }
            switches << slot;
            current = slot;
            return AutoProfile::Outcome::Done;
        };
        autoProfile->announce = [this](const QString &name) { announced << name; };
        QVERIFY(autoProfile->setPrograms(3, {"Quake", "steam"}));
        QVERIFY(autoProfile->setPrograms(1, {"libreoffice"}));
        desktop = new ScriptedSource;
        autoProfile->addSource(desktop);
    }

    void cleanup()
    {
        autoProfile.reset();
        stores.reset();
        folder.reset();
        storagefaults::install({});
    }

    // Each row: the slot in use at start, then steps "class" (in front,
    // then a wait long enough to settle) or "class/short" (in front for
    // 100 ms only); the slots switched to.
    void theProfileFollowsTheProgramInFront_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("a listed program, then an unlisted one") << 0 << QStringList{"Quake", "firefox"} << QList<int>{3, 0};
        QTest::newRow("from one listed program to another") << 0 << QStringList{"steam", "LibreOffice"}
                                                           << QList<int>{3, 1};
        QTest::newRow("a flip under 300 ms switches nothing")
            << 0 << QStringList{"Quake/short", "firefox"} << QList<int>{};
        QTest::newRow("a flip away and back keeps the game's profile")
            << 0 << QStringList{"Quake", "firefox/short", "Quake"} << QList<int>{3};
        QTest::newRow("an unlisted program keeps a profile chosen by hand")
            << 1 << QStringList{"firefox", "xterm"} << QList<int>{};
        QTest::newRow("the program's own window is no change of program")
            << 0 << QStringList{"Quake", "orbex-mouse"} << QList<int>{3};
        QTest::newRow("the profile in use already: nothing to send") << 3 << QStringList{"Quake"} << QList<int>{};
        QTest::newRow("nothing in front: back to the first profile") << 0 << QStringList{"Quake", ""}
                                                                    << QList<int>{3, 0};
    }
    void theProfileFollowsTheProgramInFront()
    {
        QFETCH(int, start);
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, expected);
        current = start;
        for (const QString &step : steps) {
            const bool brief = step.endsWith(QLatin1String("/short"));
            desktop->front(step.section(QLatin1Char('/'), 0, 0));
            QTest::qWait(brief ? 100 : 450);
        }
        QCOMPARE(switches, expected);
        QCOMPARE(announced.size(), expected.size());
        if (!expected.isEmpty())
            QCOMPARE(announced.last(), expected.last() == 3 ? "Game" : expected.last() == 1 ? "Office" : "Standard");
    }

    // Unsaved edits or an open dialog: the window refuses, and the switch
    // is asked for again until it is taken.
    void aRefusedSwitchIsAskedForAgain()
    {
        refusals = 2;
        desktop->front("Quake");
        QTest::qWait(450);
        QVERIFY(switches.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(switches, QList<int>{3}, 3 * AutoProfile::kRetryMs);
        QCOMPARE(announced, QStringList{"Game"});
    }

    void aRefusedSwitchGivesWayToTheNextProgram()
    {
        refusals = 1;
        desktop->front("Quake");
        QTest::qWait(450);
        desktop->front("firefox");
        QTest::qWait(450 + AutoProfile::kRetryMs);
        // The first profile is in use still: nothing was sent at all.
        QVERIFY(switches.isEmpty());
    }

    void switchedOffNothingFollowsAndTheChoiceIsStored()
    {
        QVERIFY(autoProfile->setEnabled(false));
        desktop->front("Quake");
        QTest::qWait(450);
        QVERIFY(switches.isEmpty());
        QVERIFY(!QSettings(folder->path("modules/setting/apConfig.bin"), QSettings::IniFormat)
                     .value("autoProfile/enabled", true).toBool());
        // Read back by the next start.
        SettingsStores again;
        AutoProfile next;
        next.setStores(&again);
        QVERIFY(!next.enabled());
        QVERIFY(next.setEnabled(true));
        QVERIFY(next.enabled());
    }

    // Kept in the profile's own file: read back at the next start, and
    // carried by an export and an import into another slot.
    void programsTravelWithTheProfileFile()
    {
        QVERIFY(autoProfile->setPrograms(3, {" Quake ", "quake", "", "Doom"}));
        SettingsStores again;
        AutoProfile next;
        next.setStores(&again);
        QCOMPARE(next.programs(3), (QStringList{"Quake", "Doom"}));
        QCOMPARE(next.programs(1), QStringList{"libreoffice"});
        QCOMPARE(next.programs(2), QStringList{});

        const QString exported = folder->path("game.pf");
        QVERIFY(profiles::exportTo(again, 3, exported));
        QVERIFY(profiles::importFrom(again, 5, exported));
        QCOMPARE(next.programs(5), (QStringList{"Quake", "Doom"}));

        // Emptied: the key goes, the file keeps the rest.
        QVERIFY(next.setPrograms(5, {}));
        QCOMPARE(next.programs(5), QStringList{});
        QVERIFY(!folder->read("modules/setting/p6.bin").contains("autoProfile"));
        QVERIFY(folder->read("modules/setting/p6.bin").contains("dpiValueArray"));
    }

    void aProfileFileThatCannotBeWrittenIsNoSuccess()
    {
        storagefaults::install([](storagefaults::Kind, const QString &) { });
        const QString file = folder->path("modules/setting/p3.bin");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[mouse]\n;" + QByteArray(regularfile::kMaxBytes, 'x') + "\n");
        f.close();
        SettingsStores refusing;
        AutoProfile other;
        other.setStores(&refusing);
        QVERIFY(!other.setPrograms(2, {"Quake"}));
        QVERIFY(!other.programs(-1).size());
        QVERIFY(!other.setPrograms(10, {"Quake"}));
    }

    void thePickerListsOtherProgramsOnce()
    {
        desktop->windows = {{"Quake", "Quake III"}, {"orbex-mouse", "Orbex"}, {"Quake", "Quake III"}, {"xterm", "~"}};
        const QVariantList windows = autoProfile->openWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows.at(0).toMap().value("windowClass").toString(), QStringLiteral("Quake"));
        QCOMPARE(windows.at(1).toMap().value("title").toString(), QStringLiteral("~"));
    }

    void aSourceThatCannotStartMakesNothingAvailable()
    {
        AutoProfile lone;
        QSignalSpy availability(&lone, &AutoProfile::availableChanged);
        lone.addSource(new ScriptedSource(false));
        QVERIFY(!lone.available());
        lone.addSource(new ScriptedSource(true), false);
        QVERIFY(!lone.available());
        lone.addSource(new ScriptedSource(true));
        QVERIFY(lone.available());
        QCOMPARE(availability.count(), 1);
    }

    // The D-Bus contract, as a desktop script calls it.
    void theBusEntryPointTakesWindowActivated()
    {
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            QSKIP("no session bus (the test is run in dbus-run-session)");
        auto *entry = new FocusBusEntry;
        QSignalSpy spy(entry, &FocusSource::activated);
        autoProfile->addSource(entry);
        QVERIFY(autoProfile->available());
        // Only one holder of the name.
        FocusBusEntry second;
        QVERIFY(!second.start());

        auto send = [](const QStringList &texts) {
            QStringList args{"--session", "--type=method_call", "--dest=example.meridan_orbex.OrbexMouse",
                             "/example/meridan_orbex/OrbexMouse",
                             "example.meridan_orbex.OrbexMouse.Focus.WindowActivated"};
            for (const QString &t : texts)
                args << QStringLiteral("string:") + t;
            return QProcess::execute(QStringLiteral("dbus-send"), args);
        };
        QCOMPARE(send({"Quake", "Quake III Arena"}), 0);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Quake"));
        QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("Quake III Arena"));
        QTRY_COMPARE(switches, QList<int>{3});

        // Over-long texts are cut; a call with the wrong arguments is
        // refused by the bus layer and changes nothing.
        QCOMPARE(send({QString(3000, QLatin1Char('k')), QString(5000, QLatin1Char('t'))}), 0);
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toString().size(), FocusBusEntry::kMaxText);
        QCOMPARE(spy.at(1).at(1).toString().size(), FocusBusEntry::kMaxText);
        send({"only-one-argument"});
        QTest::qWait(200);
        QCOMPARE(spy.count(), 2);

        // The picker offers what was reported, the latest first.
        const QVariantList seen = autoProfile->openWindows();
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen.at(1).toMap().value("windowClass").toString(), QStringLiteral("Quake"));
    }
};

QTEST_GUILESS_MAIN(AutoProfileTest)
#include "tst_autoprofile.moc"
