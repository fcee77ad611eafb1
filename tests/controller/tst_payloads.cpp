#include "encoding/macro.h"
#include "encoding/profileimage.h"

#include <QTest>

#include <vector>

using profileimage::Block;

namespace {

Block patterned()
{
    Block b{};
    for (int i = 0; i < profileimage::kBlockSize; ++i)
        b[i] = uint8_t(0xA0 ^ i);
    return b;
}

// Every byte outside [from, from + count) is as in `before`.
bool untouchedOutside(const Block &before, const Block &after, int from, int count)
{
    for (int i = 0; i < profileimage::kBlockSize; ++i) {
        if ((i < from || i >= from + count) && before[i] != after[i])
            return false;
    }
    return true;
}

} // namespace

class PayloadTest : public QObject {
    Q_OBJECT
private slots:
    void dpi_patch_writes_both_code_copies_and_the_mask();
    void dpi_patch_writes_high_bits_only_when_given();
    void effect_and_colour_patches_stay_in_their_bytes();
    void macro_record_takes_at_most_128_values();
    void macro_slots_beyond_eleven_have_no_wire_number_data();
    void macro_slots_beyond_eleven_have_no_wire_number();
};

void PayloadTest::dpi_patch_writes_both_code_copies_and_the_mask()
{
    const Block before = patterned();
    Block b = before;
    const dpi::StageCodes codes{1, 2, 3, 4, 5, 6, 7, 8};
    profileimage::patchDpi(b, codes, 0x3F, std::nullopt);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(int(b[84 + i]), i + 1);
        QCOMPARE(int(b[92 + i]), i + 1);
    }
    QCOMPARE(int(b[100]), 0x3F);
    QVERIFY(untouchedOutside(before, b, 84, 17));
}

void PayloadTest::dpi_patch_writes_high_bits_only_when_given()
{
    const Block before = patterned();
    Block b = before;
    profileimage::patchDpi(b, dpi::StageCodes{}, 0x01, uint8_t(0x82));
    QCOMPARE(int(b[82]), 0x82);
    QCOMPARE(int(b[83]), 0x82);
    QVERIFY(untouchedOutside(before, b, 82, 19));
}

void PayloadTest::effect_and_colour_patches_stay_in_their_bytes()
{
    const Block before = patterned();
    Block b = before;
    profileimage::patchEffect(b, {5, 0xC0, 5});
    QCOMPARE(int(b[71]), 5);
    QCOMPARE(int(b[72]), 0xC0);
    QCOMPARE(int(b[73]), 5);
    QVERIFY(untouchedOutside(before, b, 71, 3));

    lighting::ColourBuffer colours{};
    for (int i = 0; i < lighting::kColourBytes; ++i)
        colours[i] = uint8_t(i + 1);
    Block block0 = before;
    profileimage::patchColourfulColours(block0, colours);
    QCOMPARE(int(block0[24]), 1);
    QCOMPARE(int(block0[47]), 24);
    QVERIFY(untouchedOutside(before, block0, 24, 24));

    Block block1 = before;
    profileimage::patchPlainColours(block1, colours);
    QCOMPARE(int(block1[104]), 1);
    QCOMPARE(int(block1[127]), 24);
    QVERIFY(untouchedOutside(before, block1, 104, 24));

    Block gun = before;
    profileimage::patchGunLevel(gun, 0x1F);
    QCOMPARE(int(gun[2]), 0x1F);
    QVERIFY(untouchedOutside(before, gun, 2, 1));
}

void PayloadTest::macro_record_takes_at_most_128_values()
{
    std::vector<int> long_(200);
    for (int i = 0; i < 200; ++i)
        long_[i] = i;
    const macro::Record r = macro::record(long_);
    QCOMPARE(int(r[0]), 0);
    QCOMPARE(int(r[127]), 127);

    const macro::Record shortRecord = macro::record(std::vector<int>{0x1FF, 2});
    macro::Record expected{};
    expected[0] = 0xFF;
    expected[1] = 2;
    QCOMPARE(shortRecord, expected);
}

void PayloadTest::macro_slots_beyond_eleven_have_no_wire_number_data()
{
    QTest::addColumn<uint>("slot");
    QTest::addColumn<int>("wire"); // -1: not sent
    QTest::newRow("0") << 0u << 1;
    QTest::newRow("11") << 11u << 12;
    QTest::newRow("12") << 12u << -1;
    QTest::newRow("255") << 255u << -1;
    QTest::newRow("256 is slot 0") << 256u << 1;
    QTest::newRow("267 is slot 11") << 267u << 12;
}

void PayloadTest::macro_slots_beyond_eleven_have_no_wire_number()
{
    QFETCH(uint, slot);
    QFETCH(int, wire);
    const std::optional<uint8_t> got = macro::wireSlot(slot);
    QCOMPARE(got ? int(*got) : -1, wire);
}

QTEST_GUILESS_MAIN(PayloadTest)
#include "tst_payloads.moc"
