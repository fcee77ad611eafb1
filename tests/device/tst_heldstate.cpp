// What the program knows the mouse holds, and which writes of a sequence it
// may leave out: one row per history of commands that succeeded.
#include "device/commandset.h"
#include "device/heldstate.h"

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
    void settingsOfCommandsThatKeepNothing_data();
    void settingsOfCommandsThatKeepNothing();
    void theStageColoursGoOutAsAPair();
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

    QTest::newRow("nothing known") << std::vector<Step>{} << rate2 << false;
    QTest::newRow("same report rate") << std::vector<Step>{rate2} << rate2 << true;
    QTest::newRow("other report rate") << std::vector<Step>{rate2} << Step{&k553_01H, {4}, {}} << false;
    QTest::newRow("same matrix, same number") << std::vector<Step>{matrix3} << matrix3 << true;
    QTest::newRow("same bytes, other matrix") << std::vector<Step>{matrix3} << Step{&k553_12H, {2}, filled(64, 7)}
                                              << false;
    QTest::newRow("matrix that differs in one byte") << std::vector<Step>{matrix3} << [] {
        Step s{&commandset::k553_12H, {3}, filled(64, 7)};
        s.data[63] = 8;
        return s;
    }() << false;
    QTest::newRow("DPI table, other stage count")
        << std::vector<Step>{{&k553_11H, {4}, filled(8, 0x1F)}} << Step{&k553_11H, {3}, filled(8, 0x1F)} << false;
    QTest::newRow("a query changes nothing")
        << std::vector<Step>{rate2, {&k553_8BH, {1}, {}}, {&k553_83H, {0, 0, 0, 0}, {}}} << rate2 << true;
    QTest::newRow("the last of two writes counts")
        << std::vector<Step>{rate2, {&k553_01H, {8}, {}}} << rate2 << false;
    QTest::newRow("the 560 current profile")
        << std::vector<Step>{{&k560_02H, {1}, {}}} << Step{&k560_02H, {1}, {}} << true;
    QTest::newRow("gun slot by slot") << std::vector<Step>{{&k553_04H, {5, 6, 7, 1}, {}}}
                                      << Step{&k553_04H, {5, 6, 7, 2}, {}} << false;
    QTest::newRow("an image read from the mouse")
        << std::vector<Step>{{&k560_8CH, {1}, filled(128, 1)}} << image1 << true;
    QTest::newRow("an image written") << std::vector<Step>{image1} << image1 << true;
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
    QTest::newRow("a 553 active stage leaves the rest") << std::vector<Step>{rate2, {&k553_0BH, {2}, {}}} << rate2
                                                        << true;
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

void tst_HeldState::settingsOfCommandsThatKeepNothing_data()
{
    using namespace commandset;
    QTest::addColumn<Step>("step");
    // The active stage changes with the mouse's button; the keyboard option
    // with the listener; queries write nothing.
    QTest::newRow("553 active stage") << Step{&k553_0BH, {2}, {}};
    QTest::newRow("560 active stage") << Step{&k560_04H, {2}, {}};
    QTest::newRow("553 keyboard option") << Step{&k553_03H, {1, 2, 3, 4}, {}};
    QTest::newRow("560 keyboard option") << Step{&k560_01H, {1, 2}, {}};
    QTest::newRow("secrecy code") << Step{&k553_00H, {1, 2, 3, 4}, {}};
    QTest::newRow("current profile query") << Step{&k560_82H, {1}, {}};
}

void tst_HeldState::settingsOfCommandsThatKeepNothing()
{
    QFETCH(Step, step);
    QVERIFY(!heldstate::settingOf(*step.command, step.params, step.data));
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

QTEST_APPLESS_MAIN(tst_HeldState)
#include "tst_heldstate.moc"
