// What the program knows the mouse holds, and which writes of a sequence it
// may leave out: one row per history of commands that succeeded; and the
// moments it is forgotten, on the virtual mouse.
#include "linkbench.h"

#include "device/commandset.h"
#include "device/devicedetection.h"
#include "device/heldstate.h"
#include "virtual_mouse.h"

#include <QTest>

#include <vector>

using heldstate::HeldState;
using heldstate::Place;
using heldstate::Setting;

namespace {

struct Step {
    const commandset::Command *command;
    std::vector<uint8_t> params;
    std::vector<uint8_t> data;
};

std::vector<uint8_t> filled(size_t size, uint8_t value)
{
    return std::vector<uint8_t>(size, value);
}

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(std::vector<Step>)

class tst_HeldState : public QObject {
    Q_OBJECT
private slots:
    void aWriteIsLeftOutOnlyWhenItsBytesAreHeld_data();
    void aWriteIsLeftOutOnlyWhenItsBytesAreHeld();
    void forgottenWhenTheMouseGoesOrComes_data();
    void forgottenWhenTheMouseGoesOrComes();
};

// Each row: the commands that succeeded, a write, the write sent just before
// it in the same sequence (if any), and whether it may be left out.
void tst_HeldState::aWriteIsLeftOutOnlyWhenItsBytesAreHeld_data()
{
    using namespace commandset;
    QTest::addColumn<std::vector<Step>>("history");
    QTest::addColumn<Step>("write");
    QTest::addColumn<std::vector<Step>>("lastSent");
    QTest::addColumn<bool>("leftOut");

    const Step rate2{&k553_01H, {2}, {}};
    const Step matrix3{&k553_12H, {3}, filled(64, 7)};
    const Step image1{&k560_0CH, {1}, filled(128, 1)};
    const Step image0{&k560_0CH, {0}, filled(128, 9)};
    const Step stages{&k553_10H, {0, 24}, filled(24, 5)};
    const Step fix{&k553_0CH, {1, 2, 3}, {}};
    using Steps = std::vector<Step>;

    QTest::newRow("same bytes, other matrix") << Steps{matrix3} << Step{&k553_12H, {2}, filled(64, 7)} << Steps{}
                                              << false;
    QTest::newRow("gun slot, other periods") << Steps{{&k553_04H, {10, 20, 30, 1}, {}}}
                                             << Step{&k553_04H, {10, 20, 31, 1}, {}} << Steps{} << false;
    QTest::newRow("DPI table, other stage count")
        << Steps{{&k553_11H, {4}, filled(8, 0x1F)}} << Step{&k553_11H, {3}, filled(8, 0x1F)} << Steps{} << false;
    QTest::newRow("a query changes nothing")
        << Steps{rate2, {&k553_8BH, {1}, {}}, {&k553_83H, {0, 0, 0, 0}, {}}} << rate2 << Steps{} << true;
    QTest::newRow("an image read from the mouse") << Steps{{&k560_8CH, {1}, filled(128, 1)}} << image1 << Steps{}
                                                  << true;
    // The fixed colour and the stage colours light the same keys.
    QTest::newRow("stage colours after the fixed colour") << Steps{stages, fix} << stages << Steps{} << false;
    QTest::newRow("fixed colour after the stage colours") << Steps{fix, stages} << fix << Steps{} << false;
    // They always went out twice in a row: a second report right after the
    // first goes too, but a pair the mouse holds is left out whole.
    QTest::newRow("stage colours right after the same ones") << Steps{stages} << stages << Steps{stages} << false;
    QTest::newRow("stage colours after another write") << Steps{stages} << stages << Steps{rate2} << true;
    // The images' unknown bytes may carry per-profile values.
    QTest::newRow("profile image after a 560 report rate") << Steps{image1, {&k560_03H, {2}, {}}} << image1
                                                           << Steps{} << false;
    QTest::newRow("profile image after a 560 active stage") << Steps{image1, {&k560_04H, {2}, {}}} << image1
                                                            << Steps{} << false;
    QTest::newRow("block 0 after a 560 active stage") << Steps{image0, {&k560_04H, {2}, {}}} << image0 << Steps{}
                                                      << true;
    // The mouse's own button changes it, so no write of it is ever held.
    QTest::newRow("553 active stage") << Steps{{&k553_0BH, {2}, {}}} << Step{&k553_0BH, {2}, {}} << Steps{} << false;
    QTest::newRow("560 active stage") << Steps{{&k560_04H, {2}, {}}} << Step{&k560_04H, {2}, {}} << Steps{} << false;
}

void tst_HeldState::aWriteIsLeftOutOnlyWhenItsBytesAreHeld()
{
    QFETCH(std::vector<Step>, history);
    QFETCH(Step, write);
    QFETCH(std::vector<Step>, lastSent);
    QFETCH(bool, leftOut);
    HeldState held;
    for (const Step &step : history)
        held.succeeded(*step.command, step.params, step.data);
    const auto settingOf = [](const Step &step) { return heldstate::settingOf(*step.command, step.params, step.data); };
    // A write that keeps no setting is always sent.
    const std::optional<Setting> setting = settingOf(write);
    const std::optional<Setting> before = lastSent.empty() ? std::nullopt : settingOf(lastSent.front());
    QCOMPARE(setting && heldstate::mayLeaveOut(held, *setting, before), leftOut);
}

void tst_HeldState::forgottenWhenTheMouseGoesOrComes_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("the listener loses the mouse") << "unplugged";
    QTest::newRow("a pass finds no mouse") << "pass without the mouse";
    QTest::newRow("a pass connects it again") << "pass with the mouse";
}

void tst_HeldState::forgottenWhenTheMouseGoesOrComes()
{
    QFETCH(QString, event);
    linkbench::Bench bench(linkbench::plainMouse(553), {});
    QVERIFY(bench.isValid());
    QVERIFY(bench.folder().write("modules/setting/apConfig.bin",
                                 "[common]\ndeviceCount=1\n[0]\ntype=1\nvid=04d9\npid=a1ee\nusagePage=ff00\n"
                                 "usage=ff00\nusagePage2=ff01\nusage2=ff01\nisEncode=false\nsCode=519370\n"));
    Hid_Thread &h = bench.hid();
    DeviceDetection detection(h, bench.host(), QStringLiteral("./modules/setting/apConfig.bin"));
    detection.request();
    QVERIFY(h.isListening());
    if (event != "unplugged") {
        h.stopListening();
        h.waitForListenerEnd();
    }
    h.hid553_01H_SetReportRate(2);
    QVERIFY(!h.held().isEmpty());

    if (event == "unplugged") {
        vm_set_present(0, 0);
        QTRY_VERIFY(h.held().isEmpty());
        return;
    }
    if (event == "pass without the mouse")
        vm_set_present(0, 0);
    detection.request();
    QCOMPARE(bench.host().connected, event == "pass with the mouse");
    QVERIFY(h.held().isEmpty());
}

QTEST_GUILESS_MAIN(tst_HeldState)
#include "tst_heldstate.moc"
