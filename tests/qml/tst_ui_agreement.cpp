#include "encoding/lighting.h"
#include "programfolder.h"
#include "storage/paths.h"

#include <QFile>
#include <QJSEngine>
#include <QSettings>
#include <QtTest>

#include <memory>

// Where the UI's scripts and the C++ (or the factory files) must hold the
// same table, the scripts as the program carries them are run here and
// compared with the other side.
class UiAgreement : public QObject {
    Q_OBJECT

private slots:
    void effectSlidersFollowTheEncoder_data();
    void effectSlidersFollowTheEncoder();
    void generatedScriptsHoldTheirSource_data();
    void generatedScriptsHoldTheirSource();
    void factoryKeyMatrixIsThePageStart();

private:
    // The script's globals; a script that does not load fails the test.
    static QJSValue load(QJSEngine &engine, const QString &resource);
};

QJSValue UiAgreement::load(QJSEngine &engine, const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "cannot read" << resource;
        return {};
    }
    // ".pragma" and ".import" lines are QML's, not JavaScript's; the scripts
    // read here import nothing they need for the values compared.
    QString text;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        text += (line.startsWith(QLatin1Char('.')) ? QString() : line) + QLatin1Char('\n');
    const QJSValue result = engine.evaluate(text, resource);
    if (result.isError()) {
        qWarning() << resource << result.toString();
        return {};
    }
    return engine.globalObject();
}

void UiAgreement::effectSlidersFollowTheEncoder_data()
{
    QTest::addColumn<bool>("colourful");
    QTest::addColumn<bool>("is55328");
    QTest::addColumn<int>("effects");
    QTest::newRow("colourful model") << true << false << 11;
    QTest::newRow("plain model") << false << false << 4;
    QTest::newRow("plain 55328 with its breath loop") << false << true << 5;
}

// For every effect the model's list offers, the panel shows a slider exactly
// when the encoder reads it.
void UiAgreement::effectSlidersFollowTheEncoder()
{
    QFETCH(bool, colourful);
    QFETCH(bool, is55328);
    QFETCH(int, effects);
    QJSEngine engine;
    const QJSValue light = load(engine, QStringLiteral(":/modules/qml/Z7/LightControl.js"));
    QVERIFY(light.isObject());
    const QJSValue texts = light.property(QStringLiteral("effectTexts")).call({colourful, is55328});
    QCOMPARE(texts.property(QStringLiteral("length")).toInt(), effects);

    for (int effect = 0; effect < effects; ++effect) {
        const QJSValue rule = light.property(QStringLiteral("effectRule")).call({effect, is55328});
        QVERIFY2(rule.isObject(), qPrintable(rule.toString()));
        const lighting::EffectInputs shown{rule.property(QStringLiteral("speedShown")).toBool(),
                                           rule.property(QStringLiteral("brightnessShown")).toBool()};
        const lighting::EffectInputs read
            = colourful ? lighting::colourfulInputs(uint8_t(effect)) : lighting::plainInputs(uint8_t(effect));
        QVERIFY2(shown == read, qPrintable(QStringLiteral("effect %1: page shows speed %2 brightness %3, encoder "
                                                          "reads speed %4 brightness %5")
                                               .arg(effect)
                                               .arg(shown.speed)
                                               .arg(shown.brightness)
                                               .arg(read.speed)
                                               .arg(read.brightness)));
    }
}

void UiAgreement::generatedScriptsHoldTheirSource_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QVariant>("expected");

    const QString factory = ProgramFolder::factoryTree() + QStringLiteral("/setting/");
    QSettings global(factory + QStringLiteral("apConfig.bin"), QSettings::IniFormat);
    QSettings profile(factory + QStringLiteral("pD.bin"), QSettings::IniFormat);
    const QString facts = QStringLiteral(":/modules/qml/common/Factory.js");
    const QString slotCounts = QStringLiteral(":/modules/qml/common/ProfileSlots.js");

    for (const char *key : {"minDPI", "maxDPI", "dpiBase"}) {
        QTest::newRow(key) << facts << QStringLiteral("dpi.") + QLatin1String(key)
                           << QVariant(global.value(QStringLiteral("mouse/") + QLatin1String(key)).toInt());
    }
    QTest::newRow("sensorType") << facts << QStringLiteral("dpi.sensorType")
                                << QVariant(global.value(QStringLiteral("mouse/sensorType")).toString());
    for (const char *key : {"dpiCount", "currentDpiCount"}) {
        QTest::newRow(key) << facts << QStringLiteral("dpi.") + QLatin1String(key)
                           << QVariant(profile.value(QStringLiteral("mouse/") + QLatin1String(key)).toInt());
    }
    QStringList stages = profile.value(QStringLiteral("mouse/dpiValueArray")).toStringList();
    QTest::newRow("dpiValueArray") << facts << QStringLiteral("dpiValues.join(', ')")
                                   << QVariant(stages.join(QStringLiteral(", ")));
    QTest::newRow("profile files") << slotCounts << QStringLiteral("profileSlots") << QVariant(paths::kProfileSlots);
    QTest::newRow("profile list slots") << slotCounts << QStringLiteral("uiProfileSlots")
                                        << QVariant(paths::kUiProfileSlots);
}

void UiAgreement::generatedScriptsHoldTheirSource()
{
    QFETCH(QString, script);
    QFETCH(QString, expression);
    QFETCH(QVariant, expected);
    QJSEngine engine;
    QVERIFY(load(engine, script).isObject());
    const QJSValue value = engine.evaluate(expression);
    QVERIFY2(!value.isError() && !value.isUndefined(), qPrintable(expression));
    QCOMPARE(value.toVariant().toString(), expected.toString());
}

// Every key of the factory profile's matrix, in key order (the file lists
// its keys as text: 0, 1, 10, 11, ...).
void UiAgreement::factoryKeyMatrixIsThePageStart()
{
    QSettings profile(ProgramFolder::factoryTree() + QStringLiteral("/setting/pD.bin"), QSettings::IniFormat);
    QJSEngine engine;
    QVERIFY(load(engine, QStringLiteral(":/modules/qml/common/Factory.js")).isObject());
    const QJSValue matrix = engine.globalObject().property(QStringLiteral("keyMatrix"));
    QCOMPARE(matrix.property(QStringLiteral("length")).toInt(), 16);
    for (int key = 0; key < 16; ++key) {
        const QStringList stored = profile.value(QStringLiteral("mouseKeyMatrix/%1").arg(key)).toStringList();
        QStringList script;
        for (int c = 0; c < 4; ++c)
            script << QString::number(matrix.property(quint32(key)).property(quint32(c)).toInt());
        QCOMPARE(script.join(QStringLiteral(", ")), stored.join(QStringLiteral(", ")));
    }
}

QTEST_GUILESS_MAIN(UiAgreement)

#include "tst_ui_agreement.moc"
