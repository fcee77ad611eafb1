// A profile switch that leaves out what the mouse holds must leave the
// virtual mouse exactly as the whole sequence does, from the same start:
// on both families, gun and plain, for named profile pairs and a seeded
// random chain.
#include "mousebench.h"
#include "virtual_mouse.h"

#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

#include <array>

namespace {

// A profile as the pages hand it to the controller.
struct Profile {
    std::array<int, 64> keys{0, 0, 0xF0, 0, 0, 0, 0xF1, 0, 0, 0, 0xF2, 0, 0, 0, 0xF4, 0, 0, 0, 0xF3, 0, 5, 0, 1};
    std::array<int, 3> gunPeriods{10, 20, 30};
    int rate = 1;
    int dpiCount = 4;
    std::array<int, 8> dpi{800, 1600, 2400, 3200, 4000, 4800, 5600, 6400};
    std::array<int, 3> light{0, 0, 4};
    std::array<int, 24> colours{255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9, 7, 7, 7, 5, 5, 5, 3, 3, 3, 1, 1, 1};
};

template <size_t N> QVariantList listOf(const std::array<int, N> &values)
{
    return QVariantList(values.begin(), values.end());
}

// Changes `count` settings at random: a key (of each kind the key page
// offers, gun function included), the report rate, DPI or lighting.
Profile changed(Profile p, QRandomGenerator &r, int count)
{
    const std::array<std::array<int, 4>, 8> keys{{{0, 0, 0xF3, 0},
                                                  {1, 0x04, 10, 3},
                                                  {2, 0x03, 0x06, 0},
                                                  {3, 0, 0xE9, 0},
                                                  {4, 1, 5, 0},
                                                  {5, 0, 4, 0},
                                                  {8, 0, 1 + r.bounded(3), 0},
                                                  {0, 0xF0, 0x1E, 0x02}}};
    for (int i = 0; i < count; ++i) {
        const int v = r.bounded(256);
        switch (r.bounded(6)) {
        case 0: {
            const std::array<int, 4> &key = keys[size_t(v % 8)];
            std::copy(key.begin(), key.end(), p.keys.begin() + 4 * (1 + r.bounded(15)));
            break;
        }
        case 1: p.rate = 1 << (v % 4); break;
        case 2: p.dpi[size_t(v % 8)] = 100 * (2 + r.bounded(59)); break;
        case 3: p.dpiCount = 1 + v % 8; break;
        case 4: p.light = {v % 11, r.bounded(5), r.bounded(5)}; break;
        default: p.colours[size_t(r.bounded(24))] = v; break;
        }
    }
    return p;
}

struct Switched {
    QJsonObject state;
    int commands = 0;
    QVariantMap outcome;
};

// The slots a profile switch runs, in the pages' order, as one action:
// "profile" leaves out what the mouse holds, "whole" sends everything.
Switched switchTo(MouseBench &bench, const MouseSetup &setup, const Profile &p, const QString &action)
{
    myQQuickView &view = bench.view();
    bench.clearTrace();
    view.beginDeviceAction(action);
    view.mouseSetKeyMatrix(listOf(p.keys), true, listOf(p.gunPeriods));
    view.mouseSetReportRate(uchar(p.rate));
    view.mouseSetDpi(p.dpiCount, QStringLiteral("3360"), listOf(p.dpi));
    view.mouseSetRGBEffect(uchar(p.light[0]), uchar(p.light[1]), uchar(p.light[2]));
    view.mouseSetRGBColor(setup.isColorful ? 0 : 1, listOf(p.colours));
    if (setup.isGun) {
        view.mouseSwitchKeyMatrix(1);
        view.mouseResetKeyMatrix();
    }
    const QVariantMap outcome = view.endDeviceAction();
    return {bench.state(), int(bench.commands().size()), outcome};
}

// Each profile in turn, on a freshly connected mouse.
QList<Switched> chain(const MouseSetup &setup, const QList<Profile> &profiles, const QString &action)
{
    MouseBench bench(setup);
    if (!bench.isValid())
        return {};
    if (setup.family560)
        bench.readProfileImages();
    QList<Switched> out;
    for (const Profile &p : profiles)
        out << switchTo(bench, setup, p, action);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(MouseSetup)

class tst_ShortSwitch : public QObject {
    Q_OBJECT
private slots:
    void init() { vm_reset(); }
    void everySwitchEndsAsTheWholeOne_data();
    void everySwitchEndsAsTheWholeOne();
    void aFailedExchangeMakesTheNextSwitchSendEverything_data() { everySwitchEndsAsTheWholeOne_data(); }
    void aFailedExchangeMakesTheNextSwitchSendEverything();
};

void tst_ShortSwitch::everySwitchEndsAsTheWholeOne_data()
{
    QTest::addColumn<MouseSetup>("setup");
    QTest::newRow("553 plain") << MouseSetup{false, false, false, false};
    QTest::newRow("553 gun colourful") << MouseSetup{false, true, true, false};
    QTest::newRow("55328") << MouseSetup{false, false, false, true};
    QTest::newRow("560 plain") << MouseSetup{true, false, false, false};
    QTest::newRow("560 gun colourful") << MouseSetup{true, true, true, false};
}

// Named pairs first (the same profile again sends nothing), then a chain in
// which each step changes a few settings or returns to an earlier profile.
void tst_ShortSwitch::everySwitchEndsAsTheWholeOne()
{
    QFETCH(MouseSetup, setup);
    const Profile a;
    Profile dpi = a, light = a, black = a, rate = a, gun = a, periods = a;
    dpi.dpi[1] = 1700;
    light.light = {5, 2, 3};
    black.colours[21] = black.colours[22] = black.colours[23] = 0; // one fixed colour on the 55328
    rate.rate = 8;
    gun.keys[12] = 8;
    gun.keys[14] = 2;
    periods = gun;
    periods.gunPeriods = {5, 6, 7};
    QList<Profile> profiles{a, a, dpi, a, light, black, a, rate, gun, periods, a};
    const int sameAgain = 1;

    QRandomGenerator r(2900 + 2 * setup.family560 + setup.isGun);
    for (int i = 0; i < 36; ++i)
        profiles << (r.bounded(5) == 0 ? profiles[r.bounded(int(profiles.size()))]
                                       : changed(profiles.last(), r, r.bounded(4)));

    const QList<Switched> whole = chain(setup, profiles, QStringLiteral("whole"));
    const QList<Switched> shortened = chain(setup, profiles, QStringLiteral("profile"));
    QCOMPARE(shortened.size(), profiles.size());
    // The whole sequence leaves nothing out, whatever the mouse holds.
    QCOMPARE(whole[sameAgain].commands, whole[0].commands);
    int sentWhole = 0, sentShort = 0;
    for (int i = 0; i < profiles.size(); ++i) {
        const QByteArray step = "step " + QByteArray::number(i);
        QVERIFY2(shortened[i].state == whole[i].state, step);
        QVERIFY2(shortened[i].commands <= whole[i].commands, step);
        QVERIFY2(i != sameAgain || shortened[i].commands == 0, step);
        sentWhole += whole[i].commands;
        sentShort += shortened[i].commands;
    }
    QVERIFY2(sentShort * 2 < sentWhole, qPrintable(QStringLiteral("%1 of %2 commands").arg(sentShort).arg(sentWhole)));
}

// The mouse is pulled in the middle of a switch and plugged in again: the
// next switch to the same profile sends what one to a mouse of unknown
// state sends, and ends as the whole sequence does.
void tst_ShortSwitch::aFailedExchangeMakesTheNextSwitchSendEverything()
{
    QFETCH(MouseSetup, setup);
    const Profile a;
    Profile b = a;
    b.dpi[0] = 400;
    const QJsonObject expected = chain(setup, {a, b}, QStringLiteral("whole")).value(1).state;

    MouseBench bench(setup);
    QVERIFY(bench.isValid());
    if (setup.family560)
        bench.readProfileImages();
    const QString profile = QStringLiteral("profile");
    switchTo(bench, setup, a, profile);
    bench.hid().forgetHeld();
    const int unknownSends = switchTo(bench, setup, b, profile).commands;
    switchTo(bench, setup, a, profile);
    QVERIFY(!bench.hid().held().isEmpty());

    vm_set_fault(0, VM_FAULT_UNPLUG_AFTER, 6);
    QCOMPARE(switchTo(bench, setup, b, profile).outcome.value("kind").toString(), QStringLiteral("gone"));
    QVERIFY(bench.hid().held().isEmpty());
    // Plugged in again and found by a detection pass.
    vm_set_fault(0, VM_FAULT_UNPLUG_AFTER, 0);
    vm_set_present(0, 1);
    DeviceTable table = bench.hid().deviceTable;
    table[0].cmdPath = QStringLiteral("virtual:0:cmd");
    bench.hid().setDeviceTable(table);

    const Switched again = switchTo(bench, setup, b, profile);
    QVERIFY(again.outcome.value("ok").toBool());
    QCOMPARE(again.commands, unknownSends);
    QCOMPARE(again.state, expected);
}

QTEST_MAIN(tst_ShortSwitch)
#include "tst_shortswitch.moc"
