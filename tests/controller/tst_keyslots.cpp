#include "mousebench.h"
#include "storage/settingsstores.h"

#include <QSettings>
#include <QTest>

namespace {

// A page assignment: key 0 left button, 1 double click, 2 "My PC",
// 3 "Desktop", 4 macro on slot 3, 5 sniper, the rest back button.
QVariantList pageAssignment()
{
    QVariantList v{0, 0, 0xF0, 0, 0, 0xF0, 0x1E, 0x02, 6, 0, 0x94, 0x01, 6, 0, 0xE3, 0x07, 4, 0, 3, 0, 5, 0, 4, 0};
    while (v.size() < 64)
        v << 0 << 0 << 0xF3 << 0;
    return v;
}

// pageAssignment() as the mouse receives it; only the sniper differs by
// family. The 560 family's matrix is followed by 64 zero bytes.
QList<int> pageMatrix(const QList<int> &sniper, int width)
{
    QList<int> row{0x01, 0, 0xF0, 0, 0x0A, 0xF0, 0x1E, 0x02, 0x03, 0, 0x94, 0x01, 0x00, 0, 0xE3, 0x07, 0x09, 0, 4, 0};
    row << sniper;
    while (row.size() < 64)
        row << 0x01 << 0 << 0xF3 << 0;
    while (row.size() < width)
        row << 0;
    return row;
}

void storeFactoryMatrix(myQQuickView &view)
{
    for (int k = 0; k < 16; ++k)
        view.setDataList(QStringLiteral("mouseFwKeyMatrix/%1").arg(k), {0x01, 0, 0xF0 + (k % 5), 0x10 + k});
}

QList<int> factoryRow(int width)
{
    QList<int> row;
    for (int k = 0; k < 16; ++k)
        row << 0x01 << 0 << 0xF0 + (k % 5) << 0x10 + k;
    while (row.size() < width)
        row << 0;
    return row;
}

QVariantList withGunOnKey(int key, int slot)
{
    QVariantList v = pageAssignment();
    v[4 * key] = 8;
    v[4 * key + 1] = 0;
    v[4 * key + 2] = slot;
    v[4 * key + 3] = 0;
    return v;
}

} // namespace

class KeySlotsTest : public QObject {
    Q_OBJECT
private slots:
    void assignment_is_stored_without_sending();
    void short_assignment_stores_and_sends_zeros_for_missing_values();
    void assignment_without_gun_sends_matrix_one_only_data();
    void assignment_without_gun_sends_matrix_one_only();
    void gun_on_slot_two_sends_block_zero_then_four_matrices_560();
    void gun_isgun_553_sends_four_matrices_and_switches_to_the_first();
    void reset_sends_the_factory_matrix_to_matrices_two_to_four_data();
    void reset_sends_the_factory_matrix_to_matrices_two_to_four();
    void stored_entry_values_that_are_no_bytes_send_the_factory_entry_data();
    void stored_entry_values_that_are_no_bytes_send_the_factory_entry();
    void switching_counts_from_one_or_zero_by_family();
    void macro_goes_to_its_slot_cut_at_128_values_data();
    void macro_goes_to_its_slot_cut_at_128_values();
    void macro_for_slot_twelve_sends_nothing();
    void keydefine_reads_the_factory_profile_when_asked();
};

void KeySlotsTest::assignment_is_stored_without_sending()
{
    MouseBench bench({});
    QVERIFY(bench.isValid());
    bench.view().mouseSetKeyMatrix(pageAssignment(), false, {10, 20, 30});
    QVERIFY(bench.commands().isEmpty());
    QCOMPARE(bench.view().getDataList(QStringLiteral("mouseKeyMatrix/1"), false),
             (QVariantList{QStringLiteral("0"), QStringLiteral("240"), QStringLiteral("30"), QStringLiteral("2")}));
    QCOMPARE(bench.view().mouseGetKeydefine(15, false).size(), 4);
}

void KeySlotsTest::short_assignment_stores_and_sends_zeros_for_missing_values()
{
    MouseBench bench({});
    QVERIFY(bench.isValid());
    bench.view().mouseSetKeyMatrix({0, 0, 0xF1, 0, 4, 2}, true, {});
    const QVariantList key1 = bench.view().getDataList(QStringLiteral("mouseKeyMatrix/1"), false);
    QCOMPARE(key1, (QVariantList{QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0")}));
    QList<int> expected{0x01, 0, 0xF1, 0, 0x09, 2, 1, 0};
    while (expected.size() < 64)
        expected << 0x01 << 0 << 0 << 0;
    QCOMPARE(bench.row(QStringLiteral("keyMatrices"), 0), expected);
}

void KeySlotsTest::assignment_without_gun_sends_matrix_one_only_data()
{
    QTest::addColumn<bool>("family560");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QList<int>>("matrix");
    QTest::newRow("553") << false << QStringList{QStringLiteral("12:01")} << pageMatrix({0x07, 0, 4, 1}, 64);
    QTest::newRow("560") << true << QStringList{QStringLiteral("0D:01")} << pageMatrix({0x0B, 0, 1, 1}, 128);
}

void KeySlotsTest::assignment_without_gun_sends_matrix_one_only()
{
    QFETCH(bool, family560);
    QFETCH(QStringList, codes);
    QFETCH(QList<int>, matrix);
    MouseBench bench({family560, true, false, false});
    QVERIFY(bench.isValid());
    const QJsonObject before = bench.state();
    bench.view().mouseSetKeyMatrix(pageAssignment(), true, {10, 20, 30});
    QCOMPARE(bench.codes(), codes);
    QCOMPARE(bench.row(QStringLiteral("keyMatrices"), 0), matrix);
    // Not switched, matrices 2 to 4 untouched.
    const QString current = family560 ? QStringLiteral("currentProfile") : QStringLiteral("currentKeyMatrix");
    QCOMPARE(bench.state().value(current), before.value(current));
    QCOMPARE(bench.state().value(QStringLiteral("keyMatrices")).toArray().at(1),
             before.value(QStringLiteral("keyMatrices")).toArray().at(1));
}

void KeySlotsTest::gun_on_slot_two_sends_block_zero_then_four_matrices_560()
{
    MouseBench bench({true, true, false, false});
    QVERIFY(bench.isValid());
    bench.readProfileImages();
    storeFactoryMatrix(bench.view());
    bench.view().mouseSetKeyMatrix(withGunOnKey(6, 2), true, {0x105, 25, 40});

    QCOMPARE(bench.codes(), (QStringList{"0C:00", "8C:00", "0D:01", "0D:02", "0D:03", "0D:04", "02:01"}));
    QCOMPARE(bench.row(QStringLiteral("profiles"), 0).at(2), 0x0F);
    QCOMPARE(int(bench.hid().profileImages[0][2]), 0x0F);
    QCOMPARE(bench.state().value(QStringLiteral("currentProfile")).toInt(), 1);

    const QList<int> m1 = bench.row(QStringLiteral("keyMatrices"), 0);
    QCOMPARE(m1.mid(24, 4), (QList<int>{0x08, 0, 1, 0}));
    const QList<int> f1 = bench.row(QStringLiteral("keyMatrices"), 1);
    const QList<int> f2 = bench.row(QStringLiteral("keyMatrices"), 2);
    const QList<int> f3 = bench.row(QStringLiteral("keyMatrices"), 3);
    QCOMPARE(f1.mid(0, 4), (QList<int>{0x0B, 0, 0x05, 0}));
    QCOMPARE(f2.mid(0, 4), (QList<int>{0x0B, 1, 25, 0}));
    QCOMPARE(f3.mid(0, 4), (QList<int>{0x0B, 2, 40, 0}));
    // Key 6's factory entry (0x01, 0, 0xF1, 0x16) with the gun's bytes.
    QCOMPARE(f1.mid(24, 4), (QList<int>{0x08, 0, 3, 0x16}));
    QCOMPARE(f2.mid(24, 4), (QList<int>{0x08, 0, 0, 0x16}));
    QCOMPARE(f3.mid(24, 4), (QList<int>{0x08, 0, 0, 0x16}));
    // Other keys are the factory's.
    QCOMPARE(f2.mid(4, 20), factoryRow(128).mid(4, 20));
    QCOMPARE(f2.mid(64), QList<int>(64, 0));
}

void KeySlotsTest::gun_isgun_553_sends_four_matrices_and_switches_to_the_first()
{
    MouseBench bench({false, false, false, false});
    QVERIFY(bench.isValid());
    storeFactoryMatrix(bench.view());
    bench.view().mouseSetKeyMatrix(withGunOnKey(2, 3), true, {7});

    QCOMPARE(bench.codes(), (QStringList{"12:01", "12:02", "12:03", "12:04", "02:01"}));
    QCOMPARE(bench.state().value(QStringLiteral("currentKeyMatrix")).toInt(), 1);
    QCOMPARE(bench.row(QStringLiteral("keyMatrices"), 0).mid(8, 4), (QList<int>{8, 0, 1, 1}));
    QCOMPARE(bench.row(QStringLiteral("keyMatrices"), 1).mid(8, 4), (QList<int>{8, 0, 1, 2}));
    QCOMPARE(bench.row(QStringLiteral("keyMatrices"), 2).mid(8, 4), (QList<int>{8, 0, 1, 3}));
    QCOMPARE(bench.row(QStringLiteral("keyMatrices"), 3).mid(8, 4), (QList<int>{8, 0, 1, 0}));
    // Periods missing from the page count as 0.
    QCOMPARE(bench.row(QStringLiteral("keyMatrices"), 1).mid(0, 4), (QList<int>{0x0B, 0, 7, 0}));
    QCOMPARE(bench.row(QStringLiteral("keyMatrices"), 3).mid(0, 4), (QList<int>{0x0B, 2, 0, 0}));
}

void KeySlotsTest::reset_sends_the_factory_matrix_to_matrices_two_to_four_data()
{
    QTest::addColumn<bool>("family560");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("553") << false << QStringList{"12:02", "12:03", "12:04"};
    QTest::newRow("560") << true << QStringList{"0D:02", "0D:03", "0D:04"};
}

void KeySlotsTest::reset_sends_the_factory_matrix_to_matrices_two_to_four()
{
    QFETCH(bool, family560);
    QFETCH(QStringList, codes);
    MouseBench bench({family560, true, false, false});
    QVERIFY(bench.isValid());
    storeFactoryMatrix(bench.view());
    // Key 15's stored entry is cut short: its missing values count as 0.
    bench.view().setDataList(QStringLiteral("mouseFwKeyMatrix/15"), {0x01, 0});
    const QJsonValue matrix1 = bench.state().value(QStringLiteral("keyMatrices")).toArray().at(0);
    bench.view().mouseResetKeyMatrix();
    QCOMPARE(bench.codes(), codes);
    QList<int> expected = factoryRow(family560 ? 128 : 64);
    expected[62] = 0;
    expected[63] = 0;
    for (int m = 1; m <= 3; ++m)
        QCOMPARE(bench.row(QStringLiteral("keyMatrices"), m), expected);
    QCOMPARE(bench.state().value(QStringLiteral("keyMatrices")).toArray().at(0), matrix1);
}

void KeySlotsTest::stored_entry_values_that_are_no_bytes_send_the_factory_entry_data()
{
    QTest::addColumn<QVariantList>("stored");
    QTest::addColumn<QList<int>>("sent");
    QTest::newRow("past a byte") << QVariantList{1, 300, 99999, -1} << QList<int>{0x01, 0, 0xF0, 0x1F};
    QTest::newRow("negative") << QVariantList{-255, 0, 0xF0, 0} << QList<int>{0x01, 0, 0xF0, 0x1F};
    QTest::newRow("bytes are kept") << QVariantList{0xFF, 0, 0xF1, 2} << QList<int>{0xFF, 0, 0xF1, 2};
}

// A value past a byte would go out cut to its low eight bits (300 as 44,
// -1 as 255), a key function nobody chose.
void KeySlotsTest::stored_entry_values_that_are_no_bytes_send_the_factory_entry()
{
    QFETCH(QVariantList, stored);
    QFETCH(QList<int>, sent);
    MouseBench bench({false, true, false, false});
    QVERIFY(bench.isValid());
    bench.view().stores()->defaults()->setValue(QStringLiteral("mouseFwKeyMatrix/15"),
                                                QStringList{"1", "0", "240", "31"});
    storeFactoryMatrix(bench.view());
    bench.view().setDataList(QStringLiteral("mouseFwKeyMatrix/15"), stored);
    bench.view().mouseResetKeyMatrix();
    for (int m = 1; m <= 3; ++m)
        QCOMPARE(bench.row(QStringLiteral("keyMatrices"), m).mid(60, 4), sent);
}

void KeySlotsTest::switching_counts_from_one_or_zero_by_family()
{
    MouseBench b560({true, true, false, false});
    QVERIFY(b560.isValid());
    b560.view().mouseSwitchKeyMatrix(3);
    QCOMPARE(b560.codes(), QStringList{"02:03"});
    QCOMPARE(b560.view().mouseReadCurrentProfile().toInt(), 3);

    MouseBench b553({});
    QVERIFY(b553.isValid());
    b553.view().mouseSwitchKeyMatrix(3);
    QCOMPARE(b553.codes(), QStringList{"02:02"});
    QCOMPARE(b553.state().value(QStringLiteral("currentKeyMatrix")).toInt(), 2);
}

void KeySlotsTest::macro_goes_to_its_slot_cut_at_128_values_data()
{
    QTest::addColumn<bool>("family560");
    QTest::addColumn<QString>("code");
    QTest::newRow("553") << false << QStringLiteral("13:04");
    QTest::newRow("560") << true << QStringLiteral("0F:04");
}

void KeySlotsTest::macro_goes_to_its_slot_cut_at_128_values()
{
    QFETCH(bool, family560);
    QFETCH(QString, code);
    MouseBench bench({family560, false, false, false});
    QVERIFY(bench.isValid());
    QVariantList macro;
    QList<int> expected;
    for (int i = 0; i < 200; ++i) {
        macro << i + 0x100;
        if (i < 128)
            expected << (i & 0xFF);
    }
    QCOMPARE(bench.view().mouseSendMacroData(macro, 3), QVariant(true));
    QCOMPARE(bench.codes(), QStringList{code});
    QCOMPARE(bench.row(QStringLiteral("macros"), 3), expected);
}

void KeySlotsTest::macro_for_slot_twelve_sends_nothing()
{
    MouseBench bench({});
    QVERIFY(bench.isValid());
    QCOMPARE(bench.view().mouseSendMacroData({1, 2, 3}, 12), QVariant(true));
    QVERIFY(bench.commands().isEmpty());
}

void KeySlotsTest::keydefine_reads_the_factory_profile_when_asked()
{
    ProgramFolder folder;
    QVERIFY(folder.write(QStringLiteral("modules/setting/pD.bin"), "[mouseKeyMatrix]\n5=0, 0, 242, 0\n"));
    QVERIFY(folder.write(QStringLiteral("modules/setting/p3.bin"), "[mouseKeyMatrix]\n5=3, 0, 226, 0\n"));
    myQQuickView view;
    view.setCurrentProfile(2);
    QCOMPARE(view.mouseGetKeydefine(5, true),
             (QVariantList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("242"), QStringLiteral("0")}));
    QCOMPARE(view.mouseGetKeydefine(QStringLiteral("5"), false).value(2).toInt(), 226);
    QVERIFY(view.mouseGetKeydefine(16, false).isEmpty());
}

QTEST_MAIN(KeySlotsTest)
#include "tst_keyslots.moc"
