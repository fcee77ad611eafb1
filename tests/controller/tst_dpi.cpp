#include "encoding/dpi.h"

#include <QTest>

#include <vector>

using dpi::Sensor;
using dpi::StageCodes;

Q_DECLARE_METATYPE(Sensor)
Q_DECLARE_METATYPE(StageCodes)

class DpiTest : public QObject {
    Q_OBJECT
private slots:
    void sensor_names_pick_their_model_data();
    void sensor_names_pick_their_model();
    void value_converts_to_sensor_code_data();
    void value_converts_to_sensor_code();
    void stage_table_uses_the_first_eight_values();
    void high_bits_mark_3389_stages_from_12800();
    void enable_mask_covers_the_stage_count_data();
    void enable_mask_covers_the_stage_count();
    void stages_553_beyond_the_count_are_switched_off_data();
    void stages_553_beyond_the_count_are_switched_off();
};

void DpiTest::sensor_names_pick_their_model_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Sensor>("sensor");
    QTest::newRow("4090") << "4090" << Sensor::S4090;
    QTest::newRow("3360") << "3360" << Sensor::S3360;
    QTest::newRow("3050") << "3050" << Sensor::S3050;
    QTest::newRow("3389") << "3389" << Sensor::S3389;
    QTest::newRow("empty") << "" << Sensor::S4090;
    QTest::newRow("unknown") << "3361 " << Sensor::S4090;
}

void DpiTest::sensor_names_pick_their_model()
{
    QFETCH(QString, name);
    QFETCH(Sensor, sensor);
    QCOMPARE(dpi::sensorFromName(name), sensor);
}

void DpiTest::value_converts_to_sensor_code_data()
{
    QTest::addColumn<Sensor>("sensor");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("highBit");

    QTest::newRow("3360 800") << Sensor::S3360 << 800 << 0x07 << false;
    QTest::newRow("3360 12000") << Sensor::S3360 << 12000 << 0x77 << false;
    QTest::newRow("3360 0") << Sensor::S3360 << 0 << 0xFF << false;
    QTest::newRow("3360 150 truncates") << Sensor::S3360 << 150 << 0x00 << false;
    QTest::newRow("4090 5000") << Sensor::S4090 << 5000 << 0x31 << false;
    QTest::newRow("4090 5050") << Sensor::S4090 << 5050 << (25 | 0x40) << false;
    QTest::newRow("4090 6000") << Sensor::S4090 << 6000 << 0x5E << false;
    QTest::newRow("4090 0") << Sensor::S4090 << 0 << 0xFF << false;
    QTest::newRow("4090 200") << Sensor::S4090 << 200 << 0x01 << false;
    QTest::newRow("3389 400") << Sensor::S3389 << 400 << 0x08 << false;
    QTest::newRow("3389 12750") << Sensor::S3389 << 12750 << 0xFF << false;
    QTest::newRow("3389 12800") << Sensor::S3389 << 12800 << 0x00 << true;
    QTest::newRow("3389 16000") << Sensor::S3389 << 16000 << 0x40 << true;
    QTest::newRow("3050 0") << Sensor::S3050 << 0 << 0x01 << false;
    QTest::newRow("3050 250") << Sensor::S3050 << 250 << 0x01 << false;
    QTest::newRow("3050 251") << Sensor::S3050 << 251 << 0x02 << false;
    QTest::newRow("3050 1100") << Sensor::S3050 << 1100 << 0x05 << false;
    QTest::newRow("3050 2000") << Sensor::S3050 << 2000 << 0x08 << false;
    QTest::newRow("3050 2001") << Sensor::S3050 << 2001 << 0x45 << false;
    QTest::newRow("3050 4000") << Sensor::S3050 << 4000 << 0x48 << false;
    QTest::newRow("3050 4001") << Sensor::S3050 << 4001 << 0x00 << false;
}

void DpiTest::value_converts_to_sensor_code()
{
    QFETCH(Sensor, sensor);
    QFETCH(int, value);
    QFETCH(int, code);
    QFETCH(bool, highBit);
    const dpi::SensorCode got = dpi::sensorCode(sensor, value);
    QCOMPARE(int(got.code), code);
    QCOMPARE(got.highBit, highBit);
}

void DpiTest::stage_table_uses_the_first_eight_values()
{
    const std::vector<int> ten{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000};
    const dpi::StageTable full = dpi::stageTable(Sensor::S3360, ten);
    QCOMPARE(full.valueCount, 8);
    QCOMPARE(full.codes, (StageCodes{0, 1, 2, 3, 4, 5, 6, 7}));

    const std::vector<int> three{800, 1600, 3200};
    const dpi::StageTable part = dpi::stageTable(Sensor::S3360, three);
    QCOMPARE(part.valueCount, 3);
    QCOMPARE(part.codes, (StageCodes{7, 15, 31, 0, 0, 0, 0, 0}));

    QCOMPARE(dpi::stageTable(Sensor::S4090, {}).codes, StageCodes{});
}

void DpiTest::high_bits_mark_3389_stages_from_12800()
{
    const std::vector<int> values{800, 12800, 400, 16000};
    const dpi::StageTable table = dpi::stageTable(Sensor::S3389, values);
    QCOMPARE(int(table.highBits), 0b1010);
    QCOMPARE(int(dpi::stageTable(Sensor::S4090, values).highBits), 0);
}

void DpiTest::enable_mask_covers_the_stage_count_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("mask");
    QTest::newRow("negative") << -1 << 0x00;
    QTest::newRow("none") << 0 << 0x00;
    QTest::newRow("one") << 1 << 0x01;
    QTest::newRow("four") << 4 << 0x0F;
    QTest::newRow("eight") << 8 << 0xFF;
    QTest::newRow("more than eight") << 12 << 0xFF;
}

void DpiTest::enable_mask_covers_the_stage_count()
{
    QFETCH(int, count);
    QFETCH(int, mask);
    QCOMPARE(int(dpi::enableMask(count)), mask);
}

void DpiTest::stages_553_beyond_the_count_are_switched_off_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("values");
    QTest::addColumn<StageCodes>("codes");
    const uint8_t off = dpi::kStageOff553;
    QTest::newRow("eight of eight") << 8 << 8 << StageCodes{7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("three of eight") << 3 << 8 << StageCodes{7, 7, 7, off, off, off, off, off};
    QTest::newRow("three of five") << 3 << 5 << StageCodes{7, 7, 7, off, off, 0, 0, 0};
    QTest::newRow("zero") << 0 << 2 << StageCodes{off, off, 0, 0, 0, 0, 0, 0};
    QTest::newRow("negative") << -4 << 2 << StageCodes{off, off, 0, 0, 0, 0, 0, 0};
}

void DpiTest::stages_553_beyond_the_count_are_switched_off()
{
    QFETCH(int, count);
    QFETCH(int, values);
    QFETCH(StageCodes, codes);
    const std::vector<int> dpiValues(values, 800);
    QCOMPARE(dpi::codes553(dpi::stageTable(Sensor::S3360, dpiValues), count), codes);
}

QTEST_GUILESS_MAIN(DpiTest)
#include "tst_dpi.moc"
