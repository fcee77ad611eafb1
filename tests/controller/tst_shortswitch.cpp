// A profile switch that leaves out what the mouse holds must leave the
// virtual mouse exactly as the whole sequence does, from the same start:
// for a table of profile pairs and a seeded random chain, on both families,
// gun and plain mice.
#include "mousebench.h"
#include "virtual_mouse.h"

#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <functional>

namespace {

// A profile as the pages hand it to the controller.
struct Profile {
    std::array<int, 64> keys{};
    std::array<int, 3> gunPeriods{10, 20, 30};
    int rate = 1;
    int dpiCount = 4;
    std::array<int, 8> dpi{800, 1600, 2400, 3200, 4000, 4800, 5600, 6400};
    std::array<int, 3> light{0, 0, 4};
    std::array<int, 24> colours{};
};

template <size_t N> QVariantList listOf(const std::array<int, N> &values)
{
    QVariantList out;
    for (int v : values)
        out << v;
    return out;
}

Profile standard()
{
    Profile p;
    const int buttons[] = {0xF0, 0xF1, 0xF2, 0xF4, 0xF3};
    for (int k = 0; k < 5; ++k)
        p.keys[size_t(4 * k + 2)] = buttons[k];
    p.keys[20] = 5; // DPI up and down
    p.keys[22] = 1;
    p.keys[24] = 5;
    p.keys[26] = 2;
    for (size_t i = 0; i < p.colours.size(); ++i)
        p.colours[i] = int(i * 10);
    return p;
}

// One key entry of each kind the key page offers.
std::array<int, 4> randomKey(QRandomGenerator &r)
{
    switch (r.bounded(8)) {
    case 0:
        return {0, 0, 0xF0 + r.bounded(5), 0};
    case 1:
        return {1, 0x04 + r.bounded(26), 10 * (1 + r.bounded(5)), 1 + r.bounded(5)};
    case 2:
        return {2, r.bounded(256), 0x04 + r.bounded(26), 0};
    case 3:
        return {3, 0, 0xE9, 0};
    case 4:
        return {4, r.bounded(3), r.bounded(12), 0};
    case 5:
        return {5, 0, 1 + r.bounded(4), 0};
    case 6:
        return {8, 0, 1 + r.bounded(3), 0};
    default:
        return {0, 0xF0, 0x1E, 0x02};
    }
}

// Changes `count` settings of p at random: keys, report rate, DPI or lighting.
Profile changed(Profile p, QRandomGenerator &r, int count)
{
    for (int i = 0; i < count; ++i) {
        switch (r.bounded(6)) {
        case 0: {
            const std::array<int, 4> entry = randomKey(r);
            std::copy(entry.begin(), entry.end(), p.keys.begin() + 4 * (1 + r.bounded(15)));
            break;
        }
        case 1:
            p.rate = 1 << r.bounded(4);
            break;
        case 2:
            p.dpi[size_t(r.bounded(8))] = 100 * (2 + r.bounded(59));
            break;
        case 3:
            p.dpiCount = 1 + r.bounded(8);
            break;
        case 4:
            p.light = {r.bounded(11), r.bounded(5), r.bounded(5)};
            break;
        default:
            p.colours[size_t(r.bounded(24))] = r.bounded(256);
            break;
        }
    }
    return p;
}

// The slots a profile switch runs, in the order the pages run them.
void sendProfile(MouseBench &bench, const MouseSetup &setup, const Profile &p)
{
    myQQuickView &view = bench.view();
    view.mouseSetKeyMatrix(listOf(p.keys), true, listOf(p.gunPeriods));
    view.mouseSetReportRate(uchar(p.rate));
    view.mouseSetDpi(p.dpiCount, QStringLiteral("3360"), listOf(p.dpi));
    view.mouseSetRGBEffect(uchar(p.light[0]), uchar(p.light[1]), uchar(p.light[2]));
    view.mouseSetRGBColor(setup.isColorful ? 0 : 1, listOf(p.colours));
    if (setup.isGun) {
        view.mouseSwitchKeyMatrix(1);
        view.mouseResetKeyMatrix();
    }
}

struct Switched {
    QJsonObject state;
    int commands = 0;
    int held = 0;
};

// "profile" leaves out what the mouse holds; "whole" is an action that sends all.
Switched switchTo(MouseBench &bench, const MouseSetup &setup, const Profile &p, const QString &action)
{
    bench.clearTrace();
    bench.view().beginDeviceAction(action);
    sendProfile(bench, setup, p);
    const QVariantMap outcome = bench.view().endDeviceAction();
    return {bench.state(), int(bench.commands().size()), outcome.value("held").toInt()};
}

// A chain of profiles switched to in turn on a freshly connected mouse.
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

const QList<MouseSetup> kSetups{
    {false, false, false, false}, // 553 plain
    {false, true, true, false},   // 553 gun, colourful
    {false, false, false, true},  // 55328
    {true, false, false, false},  // 560 plain
    {true, true, true, false},    // 560 gun, colourful
};

QString nameOf(const MouseSetup &s)
{
    return QStringLiteral("%1 %2%3%4")
        .arg(s.family560 ? "560" : "553", s.isGun ? "gun" : "plain", s.isColorful ? " colourful" : "",
             s.is55328 ? " 55328" : "");
}

} // namespace

Q_DECLARE_METATYPE(MouseSetup)
Q_DECLARE_METATYPE(Profile)

class tst_ShortSwitch : public QObject {
    Q_OBJECT
private slots:
    void init() { vm_reset(); }
    void aShortenedSwitchEndsAsTheWholeOne_data();
    void aShortenedSwitchEndsAsTheWholeOne();
    void aRandomChainEndsAsTheWholeOneAtEveryStep_data();
    void aRandomChainEndsAsTheWholeOneAtEveryStep();
    void aFailedExchangeMakesTheNextSwitchSendEverything_data();
    void aFailedExchangeMakesTheNextSwitchSendEverything();
};

void tst_ShortSwitch::aShortenedSwitchEndsAsTheWholeOne_data()
{
    QTest::addColumn<MouseSetup>("setup");
    QTest::addColumn<Profile>("from");
    QTest::addColumn<Profile>("to");
    QTest::addColumn<bool>("sendsNothing");

    const Profile a = standard();
    const auto with = [&a](const std::function<void(Profile &)> &change) {
        Profile p = a;
        change(p);
        return p;
    };
    QRandomGenerator r(29);
    const QList<std::tuple<const char *, Profile, bool>> pairs{
        {"identical", a, true},
        {"one DPI value", with([](Profile &p) { p.dpi[1] = 1700; }), false},
        {"stage count", with([](Profile &p) { p.dpiCount = 6; }), false},
        {"lighting effect", with([](Profile &p) { p.light = {5, 2, 3}; }), false},
        {"one colour", with([](Profile &p) { p.colours[4] = 255; }), false},
        {"last colour black", with([](Profile &p) { p.colours[21] = p.colours[22] = p.colours[23] = 0; }), false},
        {"report rate", with([](Profile &p) { p.rate = 8; }), false},
        {"one key", with([](Profile &p) { p.keys[6] = 0xF2; }), false},
        {"gun key", with([](Profile &p) { p.keys[12] = 8, p.keys[14] = 2; }), false},
        {"everything", changed(a, r, 12), false},
    };
    for (const MouseSetup &setup : kSetups) {
        for (const auto &[name, to, nothing] : pairs)
            QTest::addRow("%s, %s", qPrintable(nameOf(setup)), name) << setup << a << to << nothing;
        // Back from a profile with a gun key: the timing matrices stay.
        const Profile gunKey = std::get<1>(pairs[8]);
        QTest::addRow("%s, gun key back to none", qPrintable(nameOf(setup))) << setup << gunKey << a << false;
        Profile periods = gunKey;
        periods.gunPeriods = {5, 6, 7};
        QTest::addRow("%s, gun periods", qPrintable(nameOf(setup))) << setup << gunKey << periods << false;
    }
}

void tst_ShortSwitch::aShortenedSwitchEndsAsTheWholeOne()
{
    QFETCH(MouseSetup, setup);
    QFETCH(Profile, from);
    QFETCH(Profile, to);
    QFETCH(bool, sendsNothing);

    const QList<Switched> whole = chain(setup, {from, to}, QStringLiteral("whole"));
    const QList<Switched> shortened = chain(setup, {from, to}, QStringLiteral("profile"));
    QCOMPARE(whole.size(), 2);
    QCOMPARE(shortened.size(), 2);
    QCOMPARE(shortened[1].state, whole[1].state);
    QCOMPARE(whole[1].held, 0);
    QVERIFY(shortened[1].commands <= whole[1].commands);
    if (sendsNothing)
        QCOMPARE(shortened[1].commands, 0);
    else
        QVERIFY(shortened[1].commands > 0);
}

void tst_ShortSwitch::aRandomChainEndsAsTheWholeOneAtEveryStep_data()
{
    QTest::addColumn<MouseSetup>("setup");
    QTest::addColumn<quint32>("seed");
    for (const MouseSetup &setup : kSetups)
        QTest::addRow("%s", qPrintable(nameOf(setup))) << setup << quint32(2900 + setup.family560 + 2 * setup.isGun);
}

// Each step changes a few settings of the last profile, or returns to an
// earlier one, so that most pairs differ in little.
void tst_ShortSwitch::aRandomChainEndsAsTheWholeOneAtEveryStep()
{
    QFETCH(MouseSetup, setup);
    QFETCH(quint32, seed);
    QRandomGenerator r(seed);
    QList<Profile> profiles{standard()};
    for (int i = 0; i < 36; ++i) {
        if (r.bounded(5) == 0)
            profiles << profiles[r.bounded(int(profiles.size()))];
        else
            profiles << changed(profiles.last(), r, r.bounded(4));
    }

    const QList<Switched> whole = chain(setup, profiles, QStringLiteral("whole"));
    const QList<Switched> shortened = chain(setup, profiles, QStringLiteral("profile"));
    QCOMPARE(shortened.size(), profiles.size());
    int sentWhole = 0, sentShort = 0;
    for (int i = 0; i < profiles.size(); ++i) {
        QVERIFY2(shortened[i].state == whole[i].state, qPrintable(QStringLiteral("step %1").arg(i)));
        sentWhole += whole[i].commands;
        sentShort += shortened[i].commands;
    }
    QVERIFY2(sentShort * 2 < sentWhole, qPrintable(QStringLiteral("%1 of %2 commands").arg(sentShort).arg(sentWhole)));
}

void tst_ShortSwitch::aFailedExchangeMakesTheNextSwitchSendEverything_data()
{
    QTest::addColumn<MouseSetup>("setup");
    for (const MouseSetup &setup : kSetups)
        QTest::addRow("%s", qPrintable(nameOf(setup))) << setup;
}

// The mouse is pulled in the middle of a switch and plugged in again: the
// next switch to the same profile sends what one from an unknown mouse
// sends, and ends as the whole sequence does.
void tst_ShortSwitch::aFailedExchangeMakesTheNextSwitchSendEverything()
{
    QFETCH(MouseSetup, setup);
    const Profile a = standard();
    Profile b = a;
    b.dpi[0] = 400;

    int unknownSends = 0;
    {
        MouseBench bench(setup);
        QVERIFY(bench.isValid());
        if (setup.family560)
            bench.readProfileImages();
        switchTo(bench, setup, a, QStringLiteral("profile"));
        bench.hid().forgetHeld();
        unknownSends = switchTo(bench, setup, b, QStringLiteral("profile")).commands;
    }
    const QJsonObject expected = chain(setup, {a, b}, QStringLiteral("whole")).value(1).state;

    MouseBench bench(setup);
    QVERIFY(bench.isValid());
    if (setup.family560)
        bench.readProfileImages();
    switchTo(bench, setup, a, QStringLiteral("profile"));
    QVERIFY(!bench.hid().held().isEmpty());
    vm_set_fault(0, VM_FAULT_UNPLUG_AFTER, 6);
    switchTo(bench, setup, b, QStringLiteral("profile"));
    QCOMPARE(bench.view().lastDeviceOutcome().value("kind").toString(), QStringLiteral("gone"));
    QVERIFY(bench.hid().held().isEmpty());

    // Plugged in again and found by a detection pass.
    vm_set_fault(0, VM_FAULT_UNPLUG_AFTER, 0);
    vm_set_present(0, 1);
    DeviceTable table = bench.hid().deviceTable;
    table[0].cmdPath = QStringLiteral("virtual:0:cmd");
    table[0].eventPath = QStringLiteral("virtual:0:event");
    bench.hid().setDeviceTable(table);
    const Switched again = switchTo(bench, setup, b, QStringLiteral("profile"));
    QCOMPARE(again.commands, unknownSends);
    QCOMPARE(again.state, expected);
    QVERIFY(bench.view().lastDeviceOutcome().value("ok").toBool());
}

QTEST_MAIN(tst_ShortSwitch)
#include "tst_shortswitch.moc"
