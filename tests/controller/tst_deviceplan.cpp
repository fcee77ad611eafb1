// What each device operation sends, and in which order, for every kind of
// mouse the settings can describe.
#include "encoding/deviceplan.h"

#include <QTest>

using devicemodel::Family;
using devicemodel::Model;
using namespace deviceplan;

Q_DECLARE_METATYPE(Model)

namespace {

Model mouse(bool f560, bool gun = false, bool colourful = false, bool is55328 = false)
{
    return {f560 ? Family::F560 : Family::F553, gun, colourful, is55328};
}

QString keySendsText(const std::vector<KeySend> &sends)
{
    QStringList out;
    for (const KeySend &s : sends) {
        const char *kind = s.kind == KeySend::ProfileBlock0 ? "P" : s.kind == KeySend::Matrix ? "M" : "C";
        out << QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(s.number);
    }
    return out.join(QLatin1Char(' '));
}

QString colourSendsText(const std::vector<ColourSend> &sends)
{
    QStringList out;
    for (const ColourSend &s : sends) {
        switch (s.kind) {
        case ColourSend::StageColours:
            out << QStringLiteral("10H:%1").arg(s.type);
            break;
        case ColourSend::FixColour:
            out << QStringLiteral("0CH");
            break;
        case ColourSend::ColourfulBlock0:
            out << QStringLiteral("block0");
            break;
        case ColourSend::PlainBlock1:
            out << QStringLiteral("block1");
            break;
        }
    }
    return out.join(QLatin1Char(' '));
}

QString effectText(const EffectPlan &p)
{
    return QStringLiteral("%1 %2 %3 / %4 / %5")
        .arg(p.triple.mode)
        .arg(p.triple.value)
        .arg(p.triple.option)
        .arg(p.block1Option ? QString::number(*p.block1Option) : QStringLiteral("-"))
        .arg(p.lastBlock);
}

} // namespace

class DevicePlanTest : public QObject {
    Q_OBJECT
private slots:
    void keyMatrixSendOrder_data()
    {
        QTest::addColumn<bool>("f560");
        QTest::addColumn<bool>("gunFunctions");
        QTest::addColumn<QString>("sends");
        QTest::newRow("553 plain") << false << false << "M1";
        QTest::newRow("560 plain") << true << false << "M1";
        QTest::newRow("553 gun") << false << true << "M1 M2 M3 M4 C1";
        QTest::newRow("560 gun: block 0 first") << true << true << "P0 M1 M2 M3 M4 C1";
    }
    void keyMatrixSendOrder()
    {
        QFETCH(bool, f560);
        QFETCH(bool, gunFunctions);
        QFETCH(QString, sends);
        QCOMPARE(keySendsText(keyMatrixSends(f560 ? Family::F560 : Family::F553, gunFunctions)), sends);
    }

    // "mode value option / block 1 option / last block sent (0: 553 command)"
    void effectPlans_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<QString>("plan");
        QTest::newRow("553 colourful wave") << mouse(false, false, true) << 5 << 2 << 3 << "5 192 5 / - / 0";
        QTest::newRow("560 colourful wave, no gun") << mouse(true, false, true) << 5 << 2 << 3 << "5 192 5 / - / 1";
        QTest::newRow("560 colourful wave, gun") << mouse(true, true, true) << 5 << 2 << 3 << "5 192 5 / - / 4";
        QTest::newRow("553 plain neon: option fixed") << mouse(false) << 2 << 4 << 0 << "3 6 2 / - / 0";
        QTest::newRow("553 55328 neon: option kept")
            << mouse(false, false, false, true) << 2 << 4 << 0 << "3 6 1 / - / 0";
        QTest::newRow("553 55328 breath loop") << mouse(false, false, false, true) << 4 << 1 << 0 << "2 2 3 / - / 0";
        QTest::newRow("560 plain, no gun: block 1 single profile") << mouse(true) << 2 << 4 << 0 << "3 6 2 / 3 / 1";
        QTest::newRow("560 plain, gun: every block fixed") << mouse(true, true) << 2 << 4 << 0 << "3 6 2 / - / 4";
        QTest::newRow("560 plain off, 55328 flag ignored")
            << mouse(true, true, false, true) << 3 << 0 << 0 << "0 0 2 / - / 4";
    }
    void effectPlans()
    {
        QFETCH(Model, model);
        QFETCH(int, effect);
        QFETCH(int, speed);
        QFETCH(int, brightness);
        QFETCH(QString, plan);
        QCOMPARE(effectText(effectPlan(model, uint8_t(effect), uint8_t(speed), uint8_t(brightness))), plan);
    }

    void colourSendOrder_data()
    {
        QTest::addColumn<Model>("model");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("lastLit");
        QTest::addColumn<QString>("sends");
        QTest::newRow("553: stage colours twice with the type") << mouse(false) << 1 << true << "10H:1 10H:1";
        QTest::newRow("553 short type twice") << mouse(false) << 2 << false << "10H:2 10H:2";
        QTest::newRow("55328, last colour lit: type 0 once")
            << mouse(false, false, false, true) << 1 << true << "10H:0";
        QTest::newRow("55328, last colour black: one fixed colour")
            << mouse(false, false, false, true) << 1 << false << "0CH";
        QTest::newRow("560 colourful") << mouse(true, false, true) << 0 << true << "block0";
        QTest::newRow("560 plain, type ignored") << mouse(true, true) << 0 << true << "block1";
    }
    void colourSendOrder()
    {
        QFETCH(Model, model);
        QFETCH(int, type);
        QFETCH(bool, lastLit);
        QFETCH(QString, sends);
        lighting::ColourBuffer colours{};
        colours[0] = 0x11;
        if (lastLit)
            colours[23] = 0x01;
        QCOMPARE(colourSendsText(colourSends(model, uint8_t(type), colours)), sends);
    }

    void highBitsOnlyFor3389_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("highBits"); // -1: bytes 82 and 83 stay
        QTest::newRow("3389") << int(dpi::Sensor::S3389) << 0x82;
        QTest::newRow("3360") << int(dpi::Sensor::S3360) << -1;
        QTest::newRow("4090") << int(dpi::Sensor::S4090) << -1;
        QTest::newRow("3050") << int(dpi::Sensor::S3050) << -1;
    }
    void highBitsOnlyFor3389()
    {
        QFETCH(int, sensor);
        QFETCH(int, highBits);
        dpi::StageTable table;
        table.highBits = 0x82;
        const std::optional<uint8_t> got = imageHighBits(dpi::Sensor(sensor), table);
        QCOMPARE(got ? int(*got) : -1, highBits);
    }

    // The one place the family text is read.
    void familyFromSettingsText_data()
    {
        QTest::addColumn<QVariant>("icType");
        QTest::addColumn<bool>("is560");
        QTest::newRow("560") << QVariant(QStringLiteral("560")) << true;
        QTest::newRow("553") << QVariant(QStringLiteral("553")) << false;
        QTest::newRow("number 560") << QVariant(560) << true;
        QTest::newRow("padded") << QVariant(QStringLiteral(" 560")) << false;
        QTest::newRow("missing") << QVariant() << false;
    }
    void familyFromSettingsText()
    {
        QFETCH(QVariant, icType);
        QFETCH(bool, is560);
        QCOMPARE(devicemodel::familyFromText(icType) == Family::F560, is560);
    }
};

QTEST_GUILESS_MAIN(DevicePlanTest)
#include "tst_deviceplan.moc"
