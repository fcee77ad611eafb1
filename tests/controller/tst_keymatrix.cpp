#include "encoding/keymatrix.h"

#include <QTest>

#include <algorithm>
#include <vector>

using encoding::Family;
using keymatrix::Entry;
using keymatrix::Matrix;

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(Family)

namespace {

std::vector<int> uiValues(std::initializer_list<Entry> keys)
{
    std::vector<int> values;
    for (const Entry &e : keys) {
        const Entry::Bytes bytes = e.bytes();
        values.insert(values.end(), bytes.begin(), bytes.end());
    }
    return values;
}

Matrix factoryMatrix()
{
    // A recognisable factory matrix: key k is (0x01, 0, 0xF0 + k, 0x40 + k).
    Matrix m{};
    for (int k = 0; k < keymatrix::kKeys; ++k)
        keymatrix::setEntry(m, k, {0x01, 0, uint8_t(0xF0 + k), uint8_t(0x40 + k)});
    return m;
}

} // namespace

class KeyMatrixTest : public QObject {
    Q_OBJECT
private slots:
    void entry_goes_out_in_device_form_data();
    void entry_goes_out_in_device_form();
    void short_and_wide_ui_lists_never_read_past_their_end();
    void matrix_without_gun_needs_no_timing_matrices();
    void gun_on_each_slot_fills_timing_matrices_data();
    void gun_on_each_slot_fills_timing_matrices();
    void gun_timing_entries_carry_the_periods_of_the_three_guns();
    void last_gun_key_decides_the_560_gun_level();
    void gun_on_unknown_slot_keeps_factory_bytes();
    void entry_bytes_keep_their_places_in_the_matrix();
};

void KeyMatrixTest::entry_goes_out_in_device_form_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<Entry>("ui");
    QTest::addColumn<Entry>("device");

    const Family f553 = Family::F553;
    const Family f560 = Family::F560;
    QTest::newRow("left button") << f553 << Entry{0, 0, 0xF0, 0} << Entry{0x01, 0, 0xF0, 0};
    QTest::newRow("forward button") << f560 << Entry{0, 0, 0xF4, 0} << Entry{0x01, 0, 0xF4, 0};
    QTest::newRow("double click") << f553 << Entry{0, 0xF0, 0x1E, 0x02} << Entry{0x0A, 0xF0, 0x1E, 0x02};
    QTest::newRow("fire function") << f553 << Entry{1, 0x04, 10, 3} << Entry{0x0A, 0x04, 10, 3};
    QTest::newRow("ctrl+c") << f560 << Entry{2, 0x01, 0x06, 0} << Entry{0x00, 0x01, 0x06, 0};
    QTest::newRow("media mute") << f553 << Entry{3, 0, 0xE2, 0x00} << Entry{0x03, 0, 0xE2, 0x00};
    QTest::newRow("media player") << f553 << Entry{3, 0, 0x83, 0x01} << Entry{0x03, 0, 0x83, 0x01};
    QTest::newRow("macro slot 3") << f553 << Entry{4, 1, 3, 0} << Entry{0x09, 1, 4, 0};
    QTest::newRow("macro slot 255 wraps") << f560 << Entry{4, 0, 255, 0} << Entry{0x09, 0, 0, 0};
    QTest::newRow("dpi up") << f553 << Entry{5, 0, 1, 0} << Entry{0x07, 0, 1, 0};
    QTest::newRow("dpi loop") << f560 << Entry{5, 0, 3, 0} << Entry{0x07, 0, 3, 0};
    QTest::newRow("sniper 553") << f553 << Entry{5, 0, 4, 0} << Entry{0x07, 0, 4, 1};
    QTest::newRow("sniper 560") << f560 << Entry{5, 0, 4, 0} << Entry{0x0B, 0, 1, 1};
    QTest::newRow("My PC") << f553 << Entry{6, 0, 0x94, 0x01} << Entry{0x03, 0, 0x94, 0x01};
    QTest::newRow("Index") << f560 << Entry{6, 0, 0x23, 0x02} << Entry{0x03, 0, 0x23, 0x02};
    QTest::newRow("Search") << f553 << Entry{6, 0, 0x21, 0x02} << Entry{0x03, 0, 0x21, 0x02};
    QTest::newRow("Desktop") << f553 << Entry{6, 0, 0xE3, 0x07} << Entry{0x00, 0, 0xE3, 0x07};
    QTest::newRow("Max") << f560 << Entry{6, 0x04, 0x2C, 0x1B} << Entry{0x00, 0x04, 0x2C, 0x1B};
    QTest::newRow("shortcut copy") << f553 << Entry{7, 0, 0xE0, 0x06} << Entry{0x00, 0, 0xE0, 0x06};
    QTest::newRow("gun slot 2") << f553 << Entry{8, 0, 2, 0} << Entry{0x08, 0, 2, 0};
    QTest::newRow("special key") << f560 << Entry{255, 0, 1, 0} << Entry{0x04, 0, 1, 0};
    QTest::newRow("unknown type") << f553 << Entry{9, 1, 2, 3} << Entry{9, 1, 2, 3};
}

void KeyMatrixTest::entry_goes_out_in_device_form()
{
    QFETCH(Family, family);
    QFETCH(Entry, ui);
    QFETCH(Entry, device);
    QCOMPARE(keymatrix::deviceEntry(ui, family), device);
}

void KeyMatrixTest::short_and_wide_ui_lists_never_read_past_their_end()
{
    // Key 0 complete, key 1 cut after two values, keys 2 to 15 missing.
    const std::vector<int> values{0, 0, 0xF1, 0, 4, 0x101};
    const Matrix m = keymatrix::fromUiValues(values, Family::F553);
    QCOMPARE(keymatrix::entryAt(m, 0), (Entry{0x01, 0, 0xF1, 0}));
    QCOMPARE(keymatrix::entryAt(m, 1), (Entry{0x09, 0x01, 1, 0})); // p2 0 + 1
    for (int k = 2; k < keymatrix::kKeys; ++k)
        QCOMPARE(keymatrix::entryAt(m, k), (Entry{0x01, 0, 0, 0}));

    // Values beyond 64 are not part of the matrix.
    std::vector<int> wide(80, 0x103);
    QCOMPARE(keymatrix::fromDeviceValues(wide), [] {
        Matrix filled{};
        filled.fill(0x03);
        return filled;
    }());
    QCOMPARE(keymatrix::fromDeviceValues({}), Matrix{});
}

void KeyMatrixTest::matrix_without_gun_needs_no_timing_matrices()
{
    const Matrix m = keymatrix::fromUiValues(uiValues({{0, 0, 0xF0, 0}, {5, 0, 4, 0}}), Family::F553);
    QVERIFY(!keymatrix::hasGunFunction(m));
    const Matrix g = keymatrix::fromUiValues(uiValues({{0, 0, 0xF0, 0}, {8, 0, 1, 0}}), Family::F560);
    QVERIFY(keymatrix::hasGunFunction(g));
}

void KeyMatrixTest::gun_on_each_slot_fills_timing_matrices_data()
{
    QTest::addColumn<Family>("family");
    QTest::addColumn<int>("slot");
    QTest::addColumn<Entry>("user");
    QTest::addColumn<Entry>("f1");
    QTest::addColumn<Entry>("f2");
    QTest::addColumn<Entry>("f3");
    QTest::addColumn<int>("level"); // -1: no level byte

    // The gun sits on key 3, whose factory entry is (0x01, 0, 0xF3, 0x43).
    QTest::newRow("553 slot 1") << Family::F553 << 1 << Entry{8, 0, 1, 1} << Entry{8, 0, 1, 0} << Entry{8, 0, 1, 0}
                                << Entry{8, 0, 1, 0} << -1;
    QTest::newRow("553 slot 2") << Family::F553 << 2 << Entry{8, 0, 1, 1} << Entry{8, 0, 1, 2} << Entry{8, 0, 1, 0}
                                << Entry{8, 0, 1, 0} << -1;
    QTest::newRow("553 slot 3") << Family::F553 << 3 << Entry{8, 0, 1, 1} << Entry{8, 0, 1, 2} << Entry{8, 0, 1, 3}
                                << Entry{8, 0, 1, 0} << -1;
    QTest::newRow("560 slot 1") << Family::F560 << 1 << Entry{8, 0, 1, 0} << Entry{8, 0, 0, 0x43}
                                << Entry{8, 0, 0, 0x43} << Entry{8, 0, 0, 0x43} << 0x07;
    QTest::newRow("560 slot 2") << Family::F560 << 2 << Entry{8, 0, 1, 0} << Entry{8, 0, 3, 0x43}
                                << Entry{8, 0, 0, 0x43} << Entry{8, 0, 0, 0x43} << 0x0F;
    QTest::newRow("560 slot 3") << Family::F560 << 3 << Entry{8, 0, 1, 0} << Entry{8, 0, 3, 0x43}
                                << Entry{8, 0, 3, 0x43} << Entry{8, 0, 0, 0x43} << 0x1F;
}

void KeyMatrixTest::gun_on_each_slot_fills_timing_matrices()
{
    QFETCH(Family, family);
    QFETCH(int, slot);
    QFETCH(Entry, user);
    QFETCH(Entry, f1);
    QFETCH(Entry, f2);
    QFETCH(Entry, f3);
    QFETCH(int, level);

    const Matrix m = keymatrix::fromUiValues(
        uiValues({{0, 0, 0xF0, 0}, {0, 0, 0xF1, 0}, {0, 0, 0xF2, 0}, {8, 0, uint8_t(slot), 0}}), family);
    const std::vector<int> periods{10, 20, 30};
    const keymatrix::GunMatrices g = keymatrix::gunMatrices(m, factoryMatrix(), periods, family);

    QCOMPARE(keymatrix::entryAt(g.user, 3), user);
    QCOMPARE(keymatrix::entryAt(g.timing[0], 3), f1);
    QCOMPARE(keymatrix::entryAt(g.timing[1], 3), f2);
    QCOMPARE(keymatrix::entryAt(g.timing[2], 3), f3);
    QCOMPARE(g.gunLevel.has_value(), level >= 0);
    if (level >= 0)
        QCOMPARE(int(*g.gunLevel), level);
    // Keys without a gun keep the user's entry and the factory entries.
    QCOMPARE(keymatrix::entryAt(g.user, 1), keymatrix::entryAt(m, 1));
    for (const Matrix &t : g.timing)
        QCOMPARE(keymatrix::entryAt(t, 5), keymatrix::entryAt(factoryMatrix(), 5));
}

void KeyMatrixTest::gun_timing_entries_carry_the_periods_of_the_three_guns()
{
    const Matrix m = keymatrix::fromUiValues(uiValues({{8, 0, 1, 0}}), Family::F553);
    // A period over 255 goes out in its low byte; a missing third period is 0.
    const std::vector<int> periods{0x105, 40};
    const keymatrix::GunMatrices g = keymatrix::gunMatrices(m, factoryMatrix(), periods, Family::F553);
    QCOMPARE(keymatrix::entryAt(g.timing[0], 0), (Entry{0x0B, 0, 0x05, 0}));
    QCOMPARE(keymatrix::entryAt(g.timing[1], 0), (Entry{0x0B, 1, 40, 0}));
    QCOMPARE(keymatrix::entryAt(g.timing[2], 0), (Entry{0x0B, 2, 0, 0}));
    // Key 0 of the user's matrix stays the gun.
    QCOMPARE(keymatrix::entryAt(g.user, 0), (Entry{8, 0, 1, 1}));
}

void KeyMatrixTest::last_gun_key_decides_the_560_gun_level()
{
    const Matrix m = keymatrix::fromUiValues(uiValues({{0, 0, 0xF0, 0}, {8, 0, 3, 0}, {8, 0, 1, 0}}), Family::F560);
    const keymatrix::GunMatrices g =
        keymatrix::gunMatrices(m, factoryMatrix(), std::vector<int>{1, 2, 3}, Family::F560);
    QCOMPARE(g.gunLevel, std::optional<uint8_t>(0x07));
}

void KeyMatrixTest::gun_on_unknown_slot_keeps_factory_bytes()
{
    const Matrix m = keymatrix::fromUiValues(uiValues({{0, 0, 0xF0, 0}, {8, 0, 7, 9}}), Family::F553);
    const keymatrix::GunMatrices g553 = keymatrix::gunMatrices(m, factoryMatrix(), std::vector<int>{}, Family::F553);
    QCOMPARE(keymatrix::entryAt(g553.user, 1), (Entry{8, 0, 1, 9}));
    QCOMPARE(keymatrix::entryAt(g553.timing[1], 1), (Entry{8, 0, 1, 0x41}));

    const Matrix m560 = keymatrix::fromUiValues(uiValues({{0, 0, 0xF0, 0}, {8, 0, 7, 9}}), Family::F560);
    const keymatrix::GunMatrices g560 = keymatrix::gunMatrices(m560, factoryMatrix(), std::vector<int>{}, Family::F560);
    QCOMPARE(keymatrix::entryAt(g560.user, 1), (Entry{8, 0, 7, 9}));
    QCOMPARE(keymatrix::entryAt(g560.timing[2], 1), (Entry{8, 0, 0xF1, 0x41}));
    QVERIFY(!g560.gunLevel);
}

void KeyMatrixTest::entry_bytes_keep_their_places_in_the_matrix()
{
    // The double click on key 15: function, option, then the usage low
    // byte first, in the last four bytes of the matrix.
    Matrix m{};
    keymatrix::setEntry(m, 15, {.function = 0x0A, .option = 0xF0, .code = 0x1E, .codeHigh = 0x02});
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(m.data()) + 60, 4).toHex(), QByteArray("0af01e02"));
    QCOMPARE(std::count(m.begin(), m.end(), uint8_t(0)), qsizetype(60));
    const Entry back = keymatrix::entryAt(m, 15);
    QCOMPARE(back.usage(), keymatrix::kDoubleClickUsage);
    QCOMPARE(Entry::fromBytes(back.bytes()), back);
}

QTEST_GUILESS_MAIN(KeyMatrixTest)
#include "tst_keymatrix.moc"
