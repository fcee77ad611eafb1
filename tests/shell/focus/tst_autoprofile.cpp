#include "shell/focus/autoprofile.h"
#include "shell/focus/focusbusentry.h"
#include "storage/profiles.h"
#include "storage/regularfile.h"
#include "storage/settingsstores.h"
#include "storage/storagefaults.h"

#include "programfolder.h"

#include <QDBusConnection>
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

// The picker's windows as "class|title".
QStringList windowsOf(const QVariantList &windows)
{
    QStringList out;
    for (const QVariant &w : windows)
        out << w.toMap().value("windowClass").toString() + '|' + w.toMap().value("title").toString();
    return out;
}

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
    int refusals = 0;
    QList<int> switches;
    QStringList announced;

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

    // Each row: whether following is on, the slot in use at start, how many
    // switches the window refuses first (unsaved edits, an open dialog), then
    // steps "class" (in front long enough to settle) or "class/short" (in
    // front for 100 ms only); the slots switched to.
    void theProfileFollowsTheProgramInFront_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("refused");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("a listed program, then an unlisted one")
            << true << 0 << 0 << QStringList{"Quake", "firefox"} << QList<int>{3, 0};
        QTest::newRow("from one listed program to another")
            << true << 0 << 0 << QStringList{"steam", "LibreOffice"} << QList<int>{3, 1};
        QTest::newRow("a flip under 300 ms switches nothing")
            << true << 0 << 0 << QStringList{"Quake/short", "firefox"} << QList<int>{};
        QTest::newRow("a flip away and back keeps the game's profile")
            << true << 0 << 0 << QStringList{"Quake", "firefox/short", "Quake"} << QList<int>{3};
        QTest::newRow("an unlisted program keeps a profile chosen by hand")
            << true << 1 << 0 << QStringList{"firefox", "xterm"} << QList<int>{};
        QTest::newRow("the program's own window is no change of program")
            << true << 0 << 0 << QStringList{"Quake", "orbex-mouse"} << QList<int>{3};
        QTest::newRow("the profile in use already: nothing to send")
            << true << 3 << 0 << QStringList{"Quake"} << QList<int>{};
        QTest::newRow("nothing in front: back to the first profile")
            << true << 0 << 0 << QStringList{"Quake", ""} << QList<int>{3, 0};
        QTest::newRow("a refused switch is asked for again until it is taken")
            << true << 0 << 2 << QStringList{"Quake"} << QList<int>{3};
        QTest::newRow("a refused switch gives way to the next program")
            << true << 0 << 1 << QStringList{"Quake", "firefox"} << QList<int>{};
        QTest::newRow("switched off: nothing follows") << false << 0 << 0 << QStringList{"Quake"} << QList<int>{};
    }
    void theProfileFollowsTheProgramInFront()
    {
        QFETCH(bool, on);
        QFETCH(int, start);
        QFETCH(int, refused);
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, expected);
        current = start;
        refusals = refused;
        QVERIFY(autoProfile->setEnabled(on));
        for (const QString &step : steps) {
            desktop->front(step.section(QLatin1Char('/'), 0, 0));
            QTest::qWait(step.endsWith(QLatin1String("/short")) ? 100 : 450);
        }
        if (refused > 0) {
            // Asked again only after a while, not at once.
            QVERIFY(switches.isEmpty());
            QTest::qWait(refused * AutoProfile::kRetryMs + 200);
        }
        QTRY_COMPARE_WITH_TIMEOUT(switches, expected, AutoProfile::kRetryMs);
        const QMap<int, QString> names{{0, "Standard"}, {3, "Game"}, {1, "Office"}};
        QStringList expectedNames;
        for (int slot : expected)
            expectedNames << names.value(slot);
        QCOMPARE(announced, expectedNames);
    }

    // The on/off choice in the global settings, the programs in the
    // profile's own file: read back at the next start, and the programs
    // carried by an export and an import into another slot.
    void choicesAreKeptForTheNextStart()
    {
        QVERIFY(autoProfile->setEnabled(false));
        QVERIFY(autoProfile->setPrograms(3, {" Quake ", "quake", "", "Doom"}));
        QVERIFY(!QSettings(folder->path("modules/setting/apConfig.bin"), QSettings::IniFormat)
                     .value("autoProfile/enabled", true).toBool());
        SettingsStores again;
        AutoProfile next;
        next.setStores(&again);
        QVERIFY(!next.enabled());
        QCOMPARE(next.programs(3), (QStringList{"Quake", "Doom"}));

        const QString exported = folder->path("game.pf");
        QVERIFY(profiles::exportTo(again, 3, exported));
        QVERIFY(profiles::importFrom(again, 5, exported));
        QCOMPARE(next.programs(5), (QStringList{"Quake", "Doom"}));

        // Emptied: the key goes, the file keeps the rest.
        QVERIFY(next.setPrograms(5, {}));
        QVERIFY(!folder->read("modules/setting/p6.bin").contains("autoProfile"));
        QVERIFY(folder->read("modules/setting/p6.bin").contains("dpiValueArray"));
    }

    // A profile file grown past what is read is not written over; slots
    // that do not exist hold nothing.
    void aProgramListThatCannotBeStoredIsNoSuccess()
    {
        storagefaults::install([](storagefaults::Kind, const QString &) { });
        QVERIFY(folder->write("modules/setting/p3.bin", "[mouse]\n;" + QByteArray(regularfile::kMaxBytes, 'x') + "\n"));
        SettingsStores refusing;
        AutoProfile other;
        other.setStores(&refusing);
        QVERIFY(!other.setPrograms(2, {"Quake"}));
        QVERIFY(other.programs(-1).isEmpty());
        QVERIFY(!other.setPrograms(10, {"Quake"}));
    }

    void thePickerListsOtherProgramsOnce()
    {
        desktop->windows = {{"Quake", "Quake III"}, {"orbex-mouse", "Orbex"}, {"Quake", "Quake III"}, {"xterm", "~"}};
        QCOMPARE(windowsOf(autoProfile->openWindows()), (QStringList{"Quake|Quake III", "xterm|~"}));
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
        // Only one holder of the name: while another program holds it the
        // entry is not offered, and it leaves the bus as it found it.
        QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "other program");
        QVERIFY(other.registerService(FocusBusEntry::kService));
        QVERIFY(!FocusBusEntry().start());
        QVERIFY(other.unregisterService(FocusBusEntry::kService));
        auto *entry = new FocusBusEntry;
        QSignalSpy spy(entry, &FocusSource::activated);
        autoProfile->addSource(entry);
        QVERIFY(!FocusBusEntry().start());

        auto send = [](const QStringList &texts) {
            QStringList args{"--session", "--type=method_call", "--dest=example.meridan_orbex.OrbexMouse",
                             "/example/meridan_orbex/OrbexMouse",
                             "example.meridan_orbex.OrbexMouse.Focus.WindowActivated"};
            for (const QString &t : texts)
                args << QStringLiteral("string:") + t;
            return QProcess::execute(QStringLiteral("dbus-send"), args);
        };
        QCOMPARE(send({"Quake", "Quake III Arena"}), 0);
        QTRY_COMPARE(switches, QList<int>{3});

        // Over-long texts are cut; a call with the wrong arguments is
        // refused by the bus layer and changes nothing.
        QCOMPARE(send({QString(3000, QLatin1Char('k')), QString(5000, QLatin1Char('t'))}), 0);
        send({"only-one-argument"});
        QTRY_COMPARE(spy.count(), 2);
        QTest::qWait(200);
        const QString cut = QString(FocusBusEntry::kMaxText, QLatin1Char('k')) + '|'
            + QString(FocusBusEntry::kMaxText, QLatin1Char('t'));
        QStringList reported;
        for (const QList<QVariant> &args : spy)
            reported << args.at(0).toString() + '|' + args.at(1).toString();
        QCOMPARE(reported, (QStringList{"Quake|Quake III Arena", cut}));
        // The picker offers what was reported, the latest first.
        QCOMPARE(windowsOf(autoProfile->openWindows()), (QStringList{cut, "Quake|Quake III Arena"}));
    }
};

QTEST_GUILESS_MAIN(AutoProfileTest)
#include "tst_autoprofile.moc"
