// `show`: the profile in use as one JSON object, or as text made from it.
#include "controller/myquickview.h"
#include "device/hidthread.h"
#include "shell/cli/command.h"
#include "shell/cli/invoke.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

namespace {

// Raised when a field changes meaning or goes; new fields may be added.
constexpr int kFormat = 1;

QJsonArray intArray(const QList<int> &values)
{
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

QString percentText(int step)
{
    return QStringLiteral("%1%").arg(step * 25);
}

QString textOf(const QJsonObject &o)
{
    QString t;
    const QJsonObject mouse = o.value(QLatin1String("mouse")).toObject();
    const QJsonObject profile = o.value(QLatin1String("profile")).toObject();
    t += QStringLiteral("Profile %1: %2\n").arg(profile.value(QLatin1String("number")).toInt())
             .arg(profile.value(QLatin1String("name")).toString());
    t += QStringLiteral("Mouse: %1 family, %2\n").arg(mouse.value(QLatin1String("family")).toString(),
                                                      mouse.value(QLatin1String("connected")).toBool()
                                                          ? QStringLiteral("connected")
                                                          : QStringLiteral("not connected"));
    const QJsonValue rate = o.value(QLatin1String("reportRate"));
    t += QStringLiteral("Report rate: %1\n")
             .arg(rate.isNull() ? QStringLiteral("not stored") : QStringLiteral("%1 Hz").arg(rate.toInt()));

    const QJsonObject dpi = o.value(QLatin1String("dpi")).toObject();
    const QJsonValue active = dpi.value(QLatin1String("activeStage"));
    t += QStringLiteral("DPI stages in use: %1 (%2 to %3 in steps of %4); active stage: %5\n")
             .arg(dpi.value(QLatin1String("stagesInUse")).toInt())
             .arg(dpi.value(QLatin1String("min")).toInt())
             .arg(dpi.value(QLatin1String("max")).toInt())
             .arg(dpi.value(QLatin1String("step")).toInt())
             .arg(active.isNull() ? QStringLiteral("unknown") : QString::number(active.toInt()));
    const QJsonArray stages = dpi.value(QLatin1String("stages")).toArray();
    for (qsizetype i = 0; i < stages.size(); ++i)
        t += QStringLiteral("  Stage %1: %2\n").arg(i + 1).arg(stages.at(i).toInt());

    const QJsonObject light = o.value(QLatin1String("lighting")).toObject();
    t += QStringLiteral("Lighting: %1, speed %2 (%3), brightness %4 (%5)\n")
             .arg(light.value(QLatin1String("effect")).toString())
             .arg(light.value(QLatin1String("speed")).toInt())
             .arg(percentText(light.value(QLatin1String("speed")).toInt()))
             .arg(light.value(QLatin1String("brightness")).toInt())
             .arg(percentText(light.value(QLatin1String("brightness")).toInt()));
    const QJsonArray colours = light.value(QLatin1String("colours")).toArray();
    for (qsizetype i = 0; i < colours.size(); ++i)
        t += QStringLiteral("  Colour %1: %2\n").arg(i + 1).arg(colours.at(i).toString());

    t += QStringLiteral("Keys:\n");
    for (const QJsonValue &key : o.value(QLatin1String("keys")).toArray()) {
        const QJsonObject k = key.toObject();
        t += QStringLiteral("  Key %1: %2\n").arg(k.value(QLatin1String("key")).toInt())
                 .arg(k.value(QLatin1String("function")).toString());
    }
    const QJsonArray guns = o.value(QLatin1String("gunSlots")).toArray();
    if (!guns.isEmpty()) {
        t += QStringLiteral("Gun slots:\n");
        for (const QJsonValue &gun : guns) {
            const QJsonObject g = gun.toObject();
            t += QStringLiteral("  Slot %1: %2 (%3 ms)\n").arg(g.value(QLatin1String("slot")).toInt())
                     .arg(g.value(QLatin1String("gun")).toString())
                     .arg(g.value(QLatin1String("period")).toInt());
        }
    }
    const QJsonObject pointer = o.value(QLatin1String("pointer")).toObject();
    t += QStringLiteral("Pointer speed: %1 of 11; double-click speed: %2 of 11; wheel: %3\n")
             .arg(pointer.value(QLatin1String("speed")).toInt())
             .arg(pointer.value(QLatin1String("doubleClickSpeed")).toInt())
             .arg(pointer.value(QLatin1String("scrollMode")).toString() == QLatin1String("screen")
                      ? QStringLiteral("one screen a notch")
                      : QStringLiteral("%1 rows a notch").arg(pointer.value(QLatin1String("scrollRows")).toInt()));
    return t;
}

} // namespace

Result Command::show(bool json)
{
    myQQuickView &view = *m_target.view;
    const ProfileState s = readProfileState(view, *m_rules);

    QJsonObject o;
    o.insert(QLatin1String("format"), kFormat);

    QJsonObject mouse;
    mouse.insert(QLatin1String("family"), view.model.is560() ? QStringLiteral("560") : QStringLiteral("553"));
    mouse.insert(QLatin1String("connected"), m_target.connected);
    mouse.insert(QLatin1String("gun"), s.isGun);
    mouse.insert(QLatin1String("colourful"), s.isColorful);
    o.insert(QLatin1String("mouse"), mouse);

    const QList<QPair<QString, int>> list = profiles(s);
    QJsonObject profile;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).second == view.currentProfile()) {
            profile.insert(QLatin1String("number"), int(i + 1));
            profile.insert(QLatin1String("name"), list.at(i).first);
        }
    }
    o.insert(QLatin1String("profile"), profile);

    const QVariantList rates = m_rules->listValue(QStringLiteral("ReportRate"), QStringLiteral("rates"));
    o.insert(QLatin1String("reportRate"),
             s.reportIndex >= 0 ? QJsonValue(rates.value(s.reportIndex).toInt()) : QJsonValue());

    QJsonObject dpi;
    dpi.insert(QLatin1String("stages"), intArray(s.dpiValues.mid(0, s.dpiCount)));
    dpi.insert(QLatin1String("stagesInUse"), s.stagesInUse);
    const int active = m_target.connected ? view.mouseGetCurrentDPI().toInt() : 0;
    dpi.insert(QLatin1String("activeStage"), active > 0 ? QJsonValue(active) : QJsonValue());
    dpi.insert(QLatin1String("min"), s.minDpi);
    dpi.insert(QLatin1String("max"), s.maxDpi);
    dpi.insert(QLatin1String("step"), s.dpiStep);
    o.insert(QLatin1String("dpi"), dpi);

    QJsonObject light;
    light.insert(QLatin1String("effect"), s.effectNames.value(s.effect));
    light.insert(QLatin1String("effectNumber"), s.effect + 1);
    light.insert(QLatin1String("speed"), s.speed);
    light.insert(QLatin1String("brightness"), s.brightness);
    QJsonArray colours;
    for (const QList<int> &rgb : s.colours)
        colours.append(colourText(rgb));
    light.insert(QLatin1String("colours"), colours);
    o.insert(QLatin1String("lighting"), light);

    QJsonArray keys;
    const int shown = qBound(0, m_rules->intValue(QStringLiteral("KeyMatrix"), QStringLiteral("buttonCount")),
                             int(s.keys.size()));
    for (int k = 0; k < shown; ++k) {
        QJsonObject key;
        key.insert(QLatin1String("key"), k + 1);
        key.insert(QLatin1String("function"), s.keyTexts.value(k));
        key.insert(QLatin1String("entry"), intArray(s.keys.value(k)));
        keys.append(key);
    }
    o.insert(QLatin1String("keys"), keys);

    QJsonArray gunSlots;
    if (s.isGun) {
        for (qsizetype g = 0; g < s.gunSlots.size(); ++g) {
            const QVariantMap gun = s.guns.value(s.gunSlots.at(g)).toMap();
            QJsonObject slot;
            slot.insert(QLatin1String("slot"), int(g + 1));
            slot.insert(QLatin1String("gun"), gun.value(QStringLiteral("gunName")).toString());
            slot.insert(QLatin1String("period"), gun.value(QStringLiteral("gunPeriod")).toInt());
            gunSlots.append(slot);
        }
    }
    o.insert(QLatin1String("gunSlots"), gunSlots);

    const QString kSystem = QStringLiteral("SystemSetting");
    QJsonObject pointer;
    pointer.insert(QLatin1String("speed"),
                   m_rules->call(kSystem, QStringLiteral("indexOfPosition"), {s.speedPosition}).toInt() + 1);
    pointer.insert(QLatin1String("doubleClickSpeed"),
                   m_rules->call(kSystem, QStringLiteral("indexOfPosition"), {s.doubleClickPosition}).toInt() + 1);
    pointer.insert(QLatin1String("scrollMode"), s.oneScreen ? QStringLiteral("screen") : QStringLiteral("rows"));
    pointer.insert(QLatin1String("scrollRows"), s.oneScreen ? QJsonValue() : QJsonValue(s.scrollRows));
    o.insert(QLatin1String("pointer"), pointer);

    Result result;
    result.out = json ? QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented)) : textOf(o);
    return result;
}

} // namespace cli
