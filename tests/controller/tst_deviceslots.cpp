#include "mousebench.h"

#include <QTest>

namespace {

const QVariantList kDpiValues{800, 1600, 12800, 6400};

QList<int> slice(const QList<int> &bytes, int from, int count)
{
    return bytes.mid(from, count);
}

QList<int> profileBlock(MouseBench &bench, int block)
{
    return bench.row(QStringLiteral("profiles"), block);
}

QList<int> viewBlock(MouseBench &bench, int block)
{
    const auto &image = bench.hid().profileImages[block];
    return QList<int>(image.begin(), image.end());
}

} // namespace

class DeviceSlotsTest : public QObject {
    Q_OBJECT
private slots:
    void dpi_553_marks_stages_beyond_the_count();
    void dpi_560_patches_all_user_blocks_and_sends_by_gun_flag_data();
    void dpi_560_patches_all_user_blocks_and_sends_by_gun_flag();
    void current_dpi_round_trips_in_both_families_data();
    void current_dpi_round_trips_in_both_families();
    void current_dpi_on_a_busy_transport_is_zero();
    void effect_553_data();
    void effect_553();
    void effect_560_colourful_goes_into_blocks_one_to_four();
    void effect_560_plain_without_gun_sends_block_one_only();
    void colours_553_data();
    void colours_553();
    void colours_560_go_to_their_block_by_model();
    void report_rate_goes_out_as_the_interval_data();
    void report_rate_goes_out_as_the_interval();
    void keyboard_option_uses_the_553_commands_in_both_families_data();
    void keyboard_option_uses_the_553_commands_in_both_families();
    void ui_asks_the_view_for_the_family_data();
    void ui_asks_the_view_for_the_family();
};

void DeviceSlotsTest::dpi_553_marks_stages_beyond_the_count()
{
    MouseBench bench({});
    QVERIFY(bench.isValid());
    bench.view().mouseSetDpi(3, QStringLiteral("3360"), kDpiValues);
    QCOMPARE(bench.codes(), QStringList{"11:03"});
    QCOMPARE(bench.state().value(QStringLiteral("dpiCount")).toInt(), 3);
    QCOMPARE(bench.bytes(QStringLiteral("dpiCodes")), (QList<int>{0x07, 0x0F, 0x7F, 0x80, 0, 0, 0, 0}));
}

void DeviceSlotsTest::dpi_560_patches_all_user_blocks_and_sends_by_gun_flag_data()
{
    QTest::addColumn<bool>("isGun");
    QTest::addColumn<QString>("sensor");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QList<int>>("stageCodes");
    QTest::addColumn<int>("highBits"); // -1: bytes 82 and 83 untouched
    QTest::newRow("3389 gun") << true << QStringLiteral("3389")
                              << QStringList{"0C:01", "8C:01", "0C:02", "8C:02", "0C:03", "8C:03", "0C:04", "8C:04"}
                              << QList<int>{16, 32, 0, 128, 0, 0, 0, 0} << 0x04;
    QTest::newRow("4090 single profile") << false << QStringLiteral("4090") << QStringList{"0C:01", "8C:01"}
                                         << QList<int>{0x07, 0x0F, 0x40, 0x60, 0, 0, 0, 0} << -1;
}

void DeviceSlotsTest::dpi_560_patches_all_user_blocks_and_sends_by_gun_flag()
{
    QFETCH(bool, isGun);
    QFETCH(QString, sensor);
    QFETCH(QStringList, codes);
    QFETCH(QList<int>, stageCodes);
    QFETCH(int, highBits);
    MouseBench bench({true, isGun, false, false});
    QVERIFY(bench.isValid());
    bench.readProfileImages();
    const QList<int> untouched = profileBlock(bench, 2);
    const QList<int> before1 = viewBlock(bench, 1);

    bench.view().mouseSetDpi(2, sensor, kDpiValues);
    QCOMPARE(bench.codes(), codes);
    for (int block = 1; block <= 4; ++block) {
        const QList<int> image = viewBlock(bench, block);
        QCOMPARE(slice(image, 84, 8), stageCodes);
        QCOMPARE(slice(image, 92, 8), stageCodes);
        QCOMPARE(image[100], 0x03);
        if (highBits >= 0) {
            QCOMPARE(image[82], highBits);
            QCOMPARE(image[83], highBits);
        }
    }
    if (highBits < 0)
        QCOMPARE(slice(viewBlock(bench, 1), 82, 2), slice(before1, 82, 2));
    // The mouse holds what was sent; block 2 only when the gun profiles exist.
    QCOMPARE(profileBlock(bench, 1), viewBlock(bench, 1));
    QCOMPARE(profileBlock(bench, 2), isGun ? viewBlock(bench, 2) : untouched);
    // Bytes the operation does not own are carried as read.
    QCOMPARE(slice(profileBlock(bench, 1), 0, 82), slice(before1, 0, 82));
}

void DeviceSlotsTest::current_dpi_round_trips_in_both_families_data()
{
    QTest::addColumn<bool>("family560");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("553") << false << QStringList{"0B:03", "8B:00"};
    QTest::newRow("560") << true << QStringList{"04:01", "04:02", "04:03", "04:04", "84:01"};
}

void DeviceSlotsTest::current_dpi_round_trips_in_both_families()
{
    QFETCH(bool, family560);
    QFETCH(QStringList, codes);
    MouseBench bench({family560, true, false, false});
    QVERIFY(bench.isValid());
    bench.view().mouseSetCurrentDPI(3);
    QCOMPARE(bench.view().mouseGetCurrentDPI(), QVariant(3));
    QCOMPARE(bench.codes(), codes);
}

void DeviceSlotsTest::current_dpi_on_a_busy_transport_is_zero()
{
    MouseBench bench({});
    QVERIFY(bench.isValid());
    bench.view().mouseSetCurrentDPI(4);
    bench.clearTrace();
    QVERIFY(bench.hid().waitIdle()); // another exchange holds the transport
    QTest::ignoreMessage(QtDebugMsg, "cmd Failed 8BH");
    QCOMPARE(bench.view().mouseGetCurrentDPI(), QVariant(0));
    QVERIFY(bench.commands().isEmpty());
}

void DeviceSlotsTest::effect_553_data()
{
    QTest::addColumn<bool>("isColorful");
    QTest::addColumn<bool>("is55328");
    QTest::addColumn<QList<int>>("page"); // effect, speed, brightness
    QTest::addColumn<QList<int>>("sent");
    QTest::newRow("colourful Wave") << true << false << QList<int>{5, 2, 3} << QList<int>{5, 0xC0, 5};
    QTest::newRow("colourful Static dark") << true << false << QList<int>{0, 0, 0} << QList<int>{1, 0, 0};
    QTest::newRow("plain Neon") << false << false << QList<int>{2, 4, 4} << QList<int>{3, 6, 2};
    QTest::newRow("plain Neon 55328") << false << true << QList<int>{2, 4, 4} << QList<int>{3, 6, 1};
    QTest::newRow("plain Breath Loop 55328") << false << true << QList<int>{4, 1, 4} << QList<int>{2, 2, 3};
}

void DeviceSlotsTest::effect_553()
{
    QFETCH(bool, isColorful);
    QFETCH(bool, is55328);
    QFETCH(QList<int>, page);
    QFETCH(QList<int>, sent);
    MouseBench bench({false, false, isColorful, is55328});
    QVERIFY(bench.isValid());
    bench.view().mouseSetRGBEffect(page[0], page[1], page[2]);
    QCOMPARE(bench.codes(false), QStringList{"0D"});
    QCOMPARE(bench.bytes(QStringLiteral("ledEffect")), sent);
}

void DeviceSlotsTest::effect_560_colourful_goes_into_blocks_one_to_four()
{
    MouseBench bench({true, true, true, false});
    QVERIFY(bench.isValid());
    bench.readProfileImages();
    bench.view().mouseSetRGBEffect(9, 1, 2);
    QCOMPARE(bench.codes(), (QStringList{"0C:01", "8C:01", "0C:02", "8C:02", "0C:03", "8C:03", "0C:04", "8C:04"}));
    for (int block = 1; block <= 4; ++block)
        QCOMPARE(slice(profileBlock(bench, block), 71, 3), (QList<int>{9, 0x80, 13}));
}

void DeviceSlotsTest::effect_560_plain_without_gun_sends_block_one_only()
{
    MouseBench bench({true, false, false, false});
    QVERIFY(bench.isValid());
    bench.readProfileImages();
    const QList<int> untouched = profileBlock(bench, 3);
    bench.view().mouseSetRGBEffect(1, 2, 4);
    QCOMPARE(bench.codes(), (QStringList{"0C:01", "8C:01"}));
    QCOMPARE(slice(profileBlock(bench, 1), 71, 3), (QList<int>{2, 3, 3}));
    for (int block = 2; block <= 4; ++block)
        QCOMPARE(slice(viewBlock(bench, block), 71, 3), (QList<int>{2, 3, 2}));
    QCOMPARE(profileBlock(bench, 3), untouched);

    // With the gun profiles all four go out and offset 73 stays 2.
    MouseBench gun({true, true, false, false});
    QVERIFY(gun.isValid());
    gun.readProfileImages();
    gun.view().mouseSetRGBEffect(1, 2, 4);
    QCOMPARE(gun.codes(), (QStringList{"0C:01", "8C:01", "0C:02", "8C:02", "0C:03", "8C:03", "0C:04", "8C:04"}));
    QCOMPARE(slice(profileBlock(gun, 1), 71, 3), (QList<int>{2, 3, 2}));
}

void DeviceSlotsTest::colours_553_data()
{
    QTest::addColumn<bool>("is55328");
    QTest::addColumn<bool>("lastBlack");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("eight colours twice") << false << true << QStringList{"10:01", "10:01"};
    QTest::newRow("55328 last lit") << true << false << QStringList{"10:00"};
    QTest::newRow("55328 last black") << true << true << QStringList{"0C:0A"};
}

void DeviceSlotsTest::colours_553()
{
    QFETCH(bool, is55328);
    QFETCH(bool, lastBlack);
    QFETCH(QStringList, codes);
    MouseBench bench({false, false, false, is55328});
    QVERIFY(bench.isValid());
    QVariantList colours;
    QList<int> expected;
    for (int i = 0; i < 24; ++i) {
        const int c = (i >= 21 && lastBlack) ? 0 : 10 + i;
        colours << c;
        expected << c;
    }
    bench.view().mouseSetRGBColor(1, colours);
    QCOMPARE(bench.codes(), codes);
    if (codes.first().startsWith(QLatin1String("0C")))
        QCOMPARE(bench.bytes(QStringLiteral("fixColor")), (QList<int>{10, 11, 12}));
    else
        QCOMPARE(bench.bytes(QStringLiteral("stageColors")), expected);
}

void DeviceSlotsTest::colours_560_go_to_their_block_by_model()
{
    const QVariantList colours{255, 0, 128, 0x1FF}; // the rest count as 0
    QList<int> expected{255, 0, 128, 255};
    while (expected.size() < 24)
        expected << 0;

    MouseBench colourful({true, false, true, false});
    QVERIFY(colourful.isValid());
    colourful.readProfileImages();
    colourful.view().mouseSetRGBColor(0, colours);
    QCOMPARE(colourful.codes(), (QStringList{"0C:00", "8C:00"}));
    QCOMPARE(slice(profileBlock(colourful, 0), 24, 24), expected);

    MouseBench plain({true, false, false, false});
    QVERIFY(plain.isValid());
    plain.readProfileImages();
    const QList<int> block0 = profileBlock(plain, 0);
    plain.view().mouseSetRGBColor(1, colours);
    QCOMPARE(plain.codes(), (QStringList{"0C:01", "8C:01"}));
    QCOMPARE(slice(profileBlock(plain, 1), 104, 24), expected);
    QCOMPARE(profileBlock(plain, 0), block0);
}

void DeviceSlotsTest::report_rate_goes_out_as_the_interval_data()
{
    QTest::addColumn<bool>("family560");
    QTest::addColumn<int>("interval");
    QTest::newRow("553 1000 Hz") << false << 1;
    QTest::newRow("553 125 Hz") << false << 8;
    QTest::newRow("560 1000 Hz") << true << 1;
    QTest::newRow("560 125 Hz") << true << 8;
}

void DeviceSlotsTest::report_rate_goes_out_as_the_interval()
{
    QFETCH(bool, family560);
    QFETCH(int, interval);
    MouseBench bench({family560, true, false, false});
    QVERIFY(bench.isValid());
    bench.view().mouseSetReportRate(uchar(interval));
    if (family560)
        QCOMPARE(bench.bytes(QStringLiteral("reportRate")), QList<int>(4, interval));
    else
        QCOMPARE(bench.state().value(QStringLiteral("reportRate")).toInt(), interval);
}

void DeviceSlotsTest::keyboard_option_uses_the_553_commands_in_both_families_data()
{
    QTest::addColumn<bool>("family560");
    QTest::newRow("553") << false;
    QTest::newRow("560") << true;
}

void DeviceSlotsTest::keyboard_option_uses_the_553_commands_in_both_families()
{
    QFETCH(bool, family560);
    MouseBench bench({family560, false, false, false});
    QVERIFY(bench.isValid());
    bench.view().mouseSetKeyboardoption(0x11, 0x22, 0x33, 0x44);
    const QVariantList option = bench.view().GetKeyboardoption();
    QCOMPARE(bench.codes(false), (QStringList{"03", "83"}));
    QCOMPARE(option.size(), 4);
    for (const QVariant &v : option)
        QCOMPARE(v.typeId(), QMetaType::Int);
    if (!family560)
        QCOMPARE(option, (QVariantList{0x11, 0x22, 0x33, 0x44}));
}

// The UI learns the family from the view, through its meta-object, as the
// view read it from the global settings when it was made.
void DeviceSlotsTest::ui_asks_the_view_for_the_family_data()
{
    QTest::addColumn<QByteArray>("icType");
    QTest::addColumn<bool>("family560");
    QTest::newRow("560") << QByteArray("560") << true;
    QTest::newRow("553") << QByteArray("553") << false;
    QTest::newRow("missing") << QByteArray() << false;
}

void DeviceSlotsTest::ui_asks_the_view_for_the_family()
{
    QFETCH(QByteArray, icType);
    QFETCH(bool, family560);
    ProgramFolder folder;
    QVERIFY(folder.write(QStringLiteral("modules/setting/apConfig.bin"),
                         icType.isEmpty() ? QByteArray("[mouse]\nisGun=true\n") : "[mouse]\nicType=" + icType + "\n"));
    myQQuickView view;
    bool told = !family560;
    QVERIFY(QMetaObject::invokeMethod(&view, "usesFamily560", Q_RETURN_ARG(bool, told)));
    QCOMPARE(told, family560);
}

QTEST_MAIN(DeviceSlotsTest)
#include "tst_deviceslots.moc"
