#include "shell/cli/profilestate.h"

#include "controller/myquickview.h"
#include "shell/cli/pagerules.h"

namespace cli {

namespace {

const QString kDpi = QStringLiteral("DpiSetting");
const QString kLight = QStringLiteral("LightControl");
const QString kKeys = QStringLiteral("KeyAssigment");
const QString kMatrix = QStringLiteral("KeyMatrix");
const QString kValues = QStringLiteral("Values");

QList<int> intsOf(const QVariant &value)
{
    QList<int> ints;
    for (const QVariant &v : value.toList())
        ints << v.toInt();
    return ints;
}

} // namespace

QStringList languageTexts(myQQuickView &view, const PageRules &rules, const QString &group,
                          const QVariantList &builtIn, const QString &language)
{
    const QStringList loaded = view.getLangStrings(group, language);
    return rules.call(QStringLiteral("Texts"), QStringLiteral("merged"), {QVariant(builtIn), QVariant(loaded)})
        .toStringList();
}

QString colourText(const QList<int> &rgb)
{
    QString text = QStringLiteral("#");
    for (int i = 0; i < 3; ++i)
        text += QStringLiteral("%1").arg(i < rgb.size() ? qBound(0, rgb.at(i), 255) : 0, 2, 16, QLatin1Char('0'));
    return text;
}

ProfileState readProfileState(myQQuickView &view, PageRules &rules)
{
    ProfileState s;
    auto global = [&](const char *key) { return view.getGlobalData(QString::fromLatin1(key)); };
    auto asBool = [&](const QVariant &v) {
        return rules.call(kValues, QStringLiteral("toBool"), {v, false}).toBool();
    };
    auto asInt = [&](const QVariant &v, int fallback) {
        return rules.call(kValues, QStringLiteral("toInt"), {v, fallback}).toInt();
    };
    s.isColorful = asBool(global("mouse/isColorful"));
    s.is55328 = asBool(global("mouse/is55328"));
    s.isGun = asBool(global("mouse/isGun"));
    s.keyCount = asInt(global("mouse/keyCount"), s.keyCount);
    s.language = rules.call(kValues, QStringLiteral("toText"), {global("common/language"), QString()}).toString();

    s.reportIndex = rules.call(QStringLiteral("ReportRate"), QStringLiteral("indexOf"),
                               {view.getData(QStringLiteral("mouse/reportRate"), false)})
                        .toInt();

    const QVariantMap defaults = rules.value(kDpi, QStringLiteral("defaults")).toMap();
    auto globalOr = [&](const char *key, const QString &name) {
        const QVariant v = global(key);
        return v.isValid() ? v : defaults.value(name);
    };
    const QVariantMap range = rules.call(kDpi, QStringLiteral("limits"),
                                         {globalOr("mouse/minDPI", QStringLiteral("minDPI")),
                                          globalOr("mouse/maxDPI", QStringLiteral("maxDPI")),
                                          globalOr("mouse/dpiBase", QStringLiteral("dpiBase"))})
                                  .toMap();
    s.minDpi = range.value(QStringLiteral("minDPI")).toInt();
    s.maxDpi = range.value(QStringLiteral("maxDPI")).toInt();
    s.dpiStep = range.value(QStringLiteral("dpiBase")).toInt();
    s.sensorType = global("mouse/sensorType").toString().trimmed();
    if (s.sensorType.isEmpty())
        s.sensorType = defaults.value(QStringLiteral("sensorType")).toString();
    s.dpiCount = rules.call(kDpi, QStringLiteral("stageCount"),
                            {view.getData(QStringLiteral("mouse/dpiCount"), false), defaults.value(QStringLiteral("dpiCount"))})
                     .toInt();
    s.stagesInUse = rules.call(kDpi, QStringLiteral("stageCount"),
                               {view.getData(QStringLiteral("mouse/currentDpiCount"), false), s.dpiCount, s.dpiCount})
                        .toInt();
    s.dpiValues = intsOf(rules.call(kDpi, QStringLiteral("stageValues"),
                                    {QVariant(view.getDataList(QStringLiteral("mouse/dpiValueArray"), false))}));

    const QStringList lightTexts = languageTexts(view, rules, QStringLiteral("lightControl"),
                                                 rules.listValue(kLight, QStringLiteral("defaultTexts")), s.language);
    for (const QVariant &i : rules.call(kLight, QStringLiteral("effectTexts"), {s.isColorful, s.is55328}).toList())
        s.effectNames << lightTexts.value(i.toInt());
    const QVariantMap effect = rules.call(kLight, QStringLiteral("effectFrom"),
                                          {QVariant(view.getDataList(QStringLiteral("mouse/lightValue"), false)),
                                           int(s.effectNames.size())})
                                   .toMap();
    s.effect = effect.value(QStringLiteral("effect")).toInt();
    s.speed = effect.value(QStringLiteral("speed")).toInt();
    s.brightness = effect.value(QStringLiteral("brightness")).toInt();
    for (const QVariant &block : rules.call(kLight, QStringLiteral("blocksFrom"),
                                            {QVariant(view.getDataList(QStringLiteral("mouse/colorValue"), false))})
                                     .toList())
        s.colours << intsOf(block);

    // Keys as the key list reads them: a damaged entry shows the default.
    const QVariantList starts = rules.listValue(kMatrix, QStringLiteral("startValues"));
    const int total = rules.intValue(kMatrix, QStringLiteral("keyTotal"));
    for (int k = 0; k < total; ++k) {
        const QVariant stored = rules.call(kMatrix, QStringLiteral("entryFrom"),
                                           {QVariant(view.mouseGetKeydefine(k, false))});
        const QVariant fallback = rules.call(kMatrix, QStringLiteral("entryFrom"),
                                             {QVariant(view.mouseGetKeydefine(k, true))});
        s.keys << intsOf(stored.isNull() ? (fallback.isNull() ? starts.value(k) : fallback) : stored);
    }
    s.keyDialogTexts = languageTexts(view, rules, QStringLiteral("keyAssigment"),
                                     rules.listValue(kKeys, QStringLiteral("defaultTexts")), s.language);
    rules.setKeyNames(view.getLangStrings(QStringLiteral("keyCode"), s.language));
    for (int slot = 0; slot < total; ++slot)
        s.macroSlotNames << view.getData(QStringLiteral("mouseMacroKey/%1").arg(slot), false).toString();
    for (const QList<int> &entry : std::as_const(s.keys)) {
        QVariantList e;
        for (int v : entry)
            e << v;
        s.keyTexts << rules.entryText(e, s.keyDialogTexts, s.macroSlotNames);
    }

    const QString kGun = QStringLiteral("GunControl");
    const int gunCount = rules.intValue(kGun, QStringLiteral("gunCount"));
    for (int i = 0; i < gunCount; ++i)
        s.guns << rules.call(kGun, QStringLiteral("elementOf"), {i, QVariant(view.getGunData(i))});
    s.gunSlots = intsOf(rules.call(kGun, QStringLiteral("slotsOf"), {global("mouse/selectGun")}));

    const QString kSystem = QStringLiteral("SystemSetting");
    s.speedPosition = rules.call(kSystem, QStringLiteral("storedPosition"),
                                 {view.getData(QStringLiteral("mouse/mouseRate"), false), 0}).toInt();
    s.doubleClickPosition = rules.call(kSystem, QStringLiteral("storedPosition"),
                                       {view.getData(QStringLiteral("mouse/doubleRate"), false), 0}).toInt();
    const QVariantMap scroll =
        rules.call(kSystem, QStringLiteral("scrollMode"), {view.getData(QStringLiteral("mouse/scrollRate"), false)})
            .toMap();
    s.oneScreen = scroll.value(QStringLiteral("oneScreen")).toBool();
    const QString rows = scroll.value(QStringLiteral("rows")).toString();
    if (!rows.isEmpty())
        s.scrollRows = rows.toInt();
    return s;
}

QVariantList gunPeriods(const ProfileState &state, const PageRules &rules)
{
    QVariantList held;
    for (int position : state.gunSlots)
        held << position;
    QVariantList periods;
    for (const QVariant &gun : state.guns)
        periods << gun.toMap().value(QStringLiteral("gunPeriod"));
    return rules.gunPeriods(held, periods).toList();
}

} // namespace cli
