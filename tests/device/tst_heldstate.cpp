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

Setting settingOf(const Step &step)
{
    return heldstate::settingOf(*step.command, step.params, step.data).value();
}

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(std::vector<Step>)

class tst_HeldState : public QObject {
    Q_OBJECT
private slots:
    void aWriteIsLeftOutOnlyWhenItsBytesAreHeld_data();
    void aWriteIsLeftOutOnlyWhenItsBytesAreHeld();
    void theStageColoursGoOutAsAPair();
    void theActiveStageIsAlwaysSent();
    void forgottenWhenTheMouseGoesOrComes_data();
    void forgottenWhenTheMouseGoesOrComes();
};

void tst_HeldState::aWriteIsLeftOutOnlyWhenItsBytesAreHeld_data()
{
    using namespace commandset;
    QTest::addColumn<std::vector<Step>>("history");
    QTest::addColumn<Step>("write");
    QTest::addColumn<bool>("leftOut");

    const Step rate2{&k553_01H, {2}, {}};
    const Step matrix3{&k553_12H, {3}, filled(64, 7)};
    const Step image1{&k560_0CH, {1}, filled(128, 1)};
    const Step image0{&k560_0CH, {0}, filled(128, 9)};
    const Step stages{&k553_10H, {0, 24}, filled(24, 5)};
    const Step fix{&k553_0CH, {1, 2, 3}, {}};

    QTest::newRow("same report rate") << std::vector<Step>{rate2} << rate2 << true;
    QTest::newRow("same bytes, other matrix") << std::vector<Step>{matrix3} << Step{&k553_12H, {2}, filled(64, 7)}
                                              << false;
    QTest::newRow("DPI table, other stage count")
        << std::vector<Step>{{&k553_11H, {4}, filled(8, 0x1F)}} << Step{&k553_11H, {3}, filled(8, 0x1F)} << false;
    QTest::newRow("a query changes nothing")
        << std::vector<Step>{rate2, {&k553_8BH, {1}, {}}, {&k553_83H, {0, 0, 0, 0}, {}}} << rate2 << true;
    QTest::newRow("an image read from the mouse")
        << std::vector<Step>{{&k560_8CH, {1}, filled(128, 1)}} << image1 << true;
    // The fixed colour and the stage colours light the same keys.
    QTest::newRow("stage colours after the fixed colour") << std::vector<Step>{stages, fix} << stages << false;
    QTest::newRow("fixed colour after the stage colours") << std::vector<Step>{fix, stages} << fix << false;
    // The images' unknown bytes may carry per-profile values.
    QTest::newRow("profile image after a 560 report rate")
        << std::vector<Step>{image1, {&k560_03H, {2}, {}}} << image1 << false;
    QTest::newRow("profile image after a 560 active stage")
        << std::vector<Step>{image1, {&k560_04H, {2}, {}}} << image1 << false;
    QTest::newRow("block 0 after a 560 active stage")
        << std::vector<Step>{image0, {&k560_04H, {2}, {}}} << image0 << true;
}

void tst_HeldState::aWriteIsLeftOutOnlyWhenItsBytesAreHeld()
{
    QFETCH(std::vector<Step>, history);
    QFETCH(Step, write);
    QFETCH(bool, leftOut);
    HeldState held;
    for (const Step &step : history)
        held.succeeded(*step.command, step.params, step.data);
    QCOMPARE(heldstate::mayLeaveOut(held, settingOf(write), std::nullopt), leftOut);
    held.forget();
    QVERIFY(!heldstate::mayLeaveOut(held, settingOf(write), std::nullopt));
}

// They always went out twice in a row: a second report right after the
// first goes too, but a pair the mouse holds is left out whole.
void tst_HeldState::theStageColoursGoOutAsAPair()
{
    const Step stages{&commandset::k553_10H, {1, 24}, filled(24, 5)};
    HeldState held;
    held.succeeded(*stages.command, stages.params, stages.data);
    QVERIFY(!heldstate::mayLeaveOut(held, settingOf(stages), settingOf(stages)));
    QVERIFY(heldstate::mayLeaveOut(held, settingOf(stages), std::nullopt));
    const Step rate{&commandset::k553_01H, {2}, {}};
    QVERIFY(heldstate::mayLeaveOut(held, settingOf(stages), settingOf(rate)));
}

// The mouse's own button changes it, so no write of it is ever held.
void tst_HeldState::theActiveStageIsAlwaysSent()
{
    const uint8_t stage[] = {2};
    QVERIFY(!heldstate::settingOf(commandset::k553_0BH, stage, {}));
    QVERIFY(!heldstate::settingOf(commandset::k560_04H, stage, {}));
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
