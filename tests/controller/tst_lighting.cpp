#include "encoding/lighting.h"

#include <QTest>

#include <vector>

using lighting::EffectTriple;

Q_DECLARE_METATYPE(EffectTriple)

namespace {
char *tripleText(const EffectTriple &t)
{
    return QTest::toString(QStringLiteral("(%1, %2, %3)").arg(t.mode).arg(t.value).arg(t.option));
}
} // namespace

namespace QTest {
template <> char *toString(const EffectTriple &t)
{
    return tripleText(t);
}
} // namespace QTest

class LightingTest : public QObject {
    Q_OBJECT
private slots:
    void colourful_effect_triples_data();
    void colourful_effect_triples();
    void plain_effect_triples_data();
    void plain_effect_triples();
    void colour_buffer_takes_at_most_24_values();
    void last_colour_lit_looks_at_the_eighth_colour_only();
};

void LightingTest::colourful_effect_triples_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<EffectTriple>("triple");

    QTest::newRow("Static bright 0") << 0 << 0 << 0 << EffectTriple{1, 0, 0};
    QTest::newRow("Static bright 4") << 0 << 3 << 4 << EffectTriple{1, 0xFF, 0};
    QTest::newRow("Static bright 5") << 0 << 0 << 5 << EffectTriple{1, 0, 0};
    QTest::newRow("Breath speed 0") << 1 << 0 << 4 << EffectTriple{3, 0, 10};
    QTest::newRow("Breath speed 5") << 1 << 5 << 4 << EffectTriple{3, 0, 0};
    QTest::newRow("Neon speed 4") << 2 << 4 << 2 << EffectTriple{4, 0, 1};
    QTest::newRow("OFF") << 3 << 2 << 2 << EffectTriple{0, 0, 0};
    QTest::newRow("Twinkling") << 4 << 2 << 1 << EffectTriple{2, 0x40, 0};
    QTest::newRow("Wave speed 2 bright 3") << 5 << 2 << 3 << EffectTriple{5, 0xC0, 5};
    QTest::newRow("Gliding") << 6 << 2 << 3 << EffectTriple{6, 0, 0};
    QTest::newRow("Finger Moving") << 7 << 1 << 2 << EffectTriple{7, 0x80, 0};
    QTest::newRow("Vertical Flipping") << 8 << 1 << 2 << EffectTriple{8, 0x80, 17};
    QTest::newRow("YO-YO") << 9 << 4 << 4 << EffectTriple{9, 0xFF, 5};
    QTest::newRow("Spotlight") << 10 << 3 << 1 << EffectTriple{10, 0x40, 22};
    QTest::newRow("effect 11") << 11 << 1 << 1 << EffectTriple{0, 0, 0};
    QTest::newRow("effect 255") << 255 << 1 << 1 << EffectTriple{0, 0, 0};
}

void LightingTest::colourful_effect_triples()
{
    QFETCH(int, effect);
    QFETCH(int, speed);
    QFETCH(int, brightness);
    QFETCH(EffectTriple, triple);
    QCOMPARE(lighting::colourfulEffect(uint8_t(effect), uint8_t(speed), uint8_t(brightness)), triple);
}

void LightingTest::plain_effect_triples_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("brightness");
    QTest::addColumn<EffectTriple>("triple");

    QTest::newRow("Static bright 0") << 0 << 0 << 0 << EffectTriple{1, 1, 1};
    QTest::newRow("Static bright 4") << 0 << 0 << 4 << EffectTriple{1, 10, 1};
    QTest::newRow("Static bright 9") << 0 << 0 << 9 << EffectTriple{1, 0, 1};
    QTest::newRow("Breath speed 2") << 1 << 2 << 4 << EffectTriple{2, 3, 1};
    QTest::newRow("Breath speed 255") << 1 << 255 << 4 << EffectTriple{2, 0, 1};
    QTest::newRow("Neon speed 0") << 2 << 0 << 4 << EffectTriple{3, 30, 1};
    QTest::newRow("Neon speed 4") << 2 << 4 << 4 << EffectTriple{3, 6, 1};
    QTest::newRow("Neon speed 7") << 2 << 7 << 4 << EffectTriple{3, 0, 1};
    QTest::newRow("OFF") << 3 << 1 << 1 << EffectTriple{0, 0, 0};
    QTest::newRow("Breath Loop speed 1") << 4 << 1 << 4 << EffectTriple{2, 2, 3};
    QTest::newRow("effect 5") << 5 << 1 << 1 << EffectTriple{0, 0, 0};
}

void LightingTest::plain_effect_triples()
{
    QFETCH(int, effect);
    QFETCH(int, speed);
    QFETCH(int, brightness);
    QFETCH(EffectTriple, triple);
    QCOMPARE(lighting::plainEffect(uint8_t(effect), uint8_t(speed), uint8_t(brightness)), triple);
}

void LightingTest::colour_buffer_takes_at_most_24_values()
{
    const std::vector<int> few{255, 256, -1};
    lighting::ColourBuffer expected{};
    expected[0] = 255;
    expected[1] = 0;
    expected[2] = 255;
    QCOMPARE(lighting::colourBuffer(few), expected);

    std::vector<int> many(30);
    for (int i = 0; i < 30; ++i)
        many[i] = i + 1;
    const lighting::ColourBuffer full = lighting::colourBuffer(many);
    QCOMPARE(int(full[0]), 1);
    QCOMPARE(int(full[23]), 24);
}

void LightingTest::last_colour_lit_looks_at_the_eighth_colour_only()
{
    lighting::ColourBuffer c{};
    c.fill(0xFF);
    c[21] = c[22] = c[23] = 0;
    QVERIFY(!lighting::lastColourLit(c));
    c[22] = 1;
    QVERIFY(lighting::lastColourLit(c));
    QVERIFY(!lighting::lastColourLit(lighting::ColourBuffer{}));
}

QTEST_GUILESS_MAIN(LightingTest)
#include "tst_lighting.moc"
