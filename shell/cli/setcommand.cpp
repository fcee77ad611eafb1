// `set`: one setting of the profile in use, checked against the ranges
// the window's pages use, turned into the calls their saving makes.
#include "shell/cli/command.h"

#include <QRegularExpression>

namespace cli {

namespace {

const QString kDpi = QStringLiteral("DpiSetting");
const QString kLight = QStringLiteral("LightControl");

// A whole number in [least, most], or nothing.
std::optional<int> number(const QString &text, int least, int most)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < least || n > most)
        return std::nullopt;
    return n;
}

QString rangeText(int least, int most)
{
    return least == most ? QString::number(least) : QStringLiteral("%1 to %2").arg(least).arg(most);
}

Result bad(const QString &setting, const QString &value, const QString &valid)
{
    return Command::usage(QStringLiteral("set %1: \"%2\" is not valid; valid: %3").arg(setting, value, valid));
}

QVariantList listOf(const QList<int> &values)
{
    QVariantList list;
    for (int v : values)
        list << v;
    return list;
}

std::optional<QList<int>> colourOf(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^#?([0-9a-fA-F]{6})$"));
    const QRegularExpressionMatch m = hex.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const uint rgb = m.captured(1).toUInt(nullptr, 16);
    return QList<int>{int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)};
}

} // namespace

std::variant<Change, Result> Command::plan(const QStringList &words, const ProfileState &s)
{
    const QString setting = words.first().toLower();
    const QStringList values = words.mid(1);
    auto wantValues = [&](int n, const QString &form) -> std::optional<Result> {
        if (values.size() != n)
            return usage(QStringLiteral("set %1 takes %2").arg(setting, form));
        return std::nullopt;
    };
    Change change;

    if (setting == QLatin1String("report-rate")) {
        if (auto r = wantValues(1, QStringLiteral("HZ")))
            return *r;
        const QVariantList rates = m_rules->listValue(QStringLiteral("ReportRate"), QStringLiteral("rates"));
        QString text = values.first().trimmed();
        if (text.endsWith(QLatin1String("hz"), Qt::CaseInsensitive))
            text.chop(2);
        QStringList valid;
        int position = -1;
        for (qsizetype i = 0; i < rates.size(); ++i) {
            valid << rates.at(i).toString();
            if (text == rates.at(i).toString())
                position = int(i);
        }
        if (position < 0)
            return bad(setting, values.first(), valid.join(QLatin1String(", ")) + QStringLiteral(" (Hz)"));
        const QVariantList device = m_rules->listValue(QStringLiteral("ReportRate"), QStringLiteral("deviceValues"));
        change.calls = {{QStringLiteral("setData"), {QStringLiteral("mouse/reportRate"), position}},
                        {QStringLiteral("mouseSetReportRate"), {device.value(position)}}};
        return change;
    }

    if (setting == QLatin1String("dpi-stages") || setting == QLatin1String("dpi")) {
        int inUse = s.stagesInUse;
        QList<int> stageValues = s.dpiValues;
        if (setting == QLatin1String("dpi-stages")) {
            if (auto r = wantValues(1, QStringLiteral("N")))
                return *r;
            const auto n = number(values.first(), 1, s.dpiCount);
            if (!n)
                return bad(setting, values.first(), rangeText(1, s.dpiCount));
            inUse = *n;
        } else {
            if (auto r = wantValues(2, QStringLiteral("STAGE VALUE")))
                return *r;
            const auto stage = number(values.at(0), 1, s.dpiCount);
            if (!stage)
                return bad(setting, values.at(0), QStringLiteral("stage ") + rangeText(1, s.dpiCount));
            const auto dpi = number(values.at(1), s.minDpi, s.maxDpi);
            if (!dpi || *dpi % s.dpiStep != 0)
                return bad(setting, values.at(1),
                           QStringLiteral("%1 in steps of %2").arg(rangeText(s.minDpi, s.maxDpi)).arg(s.dpiStep));
            stageValues[*stage - 1] = *dpi;
        }
        change.calls = callsOf(m_rules->call(kDpi, QStringLiteral("saveCalls"),
                                             {listOf(stageValues), inUse, s.sensorType, true}));
        return change;
    }

    if (setting == QLatin1String("active-stage")) {
        if (auto r = wantValues(1, QStringLiteral("STAGE")))
            return *r;
        const auto stage = number(values.first(), 1, s.stagesInUse);
        if (!stage)
            return bad(setting, values.first(), rangeText(1, s.stagesInUse));
        change.calls = {{QStringLiteral("mouseSetCurrentDPI"), {*stage}}};
        change.activeStage = *stage;
        return change;
    }

    if (setting.startsWith(QLatin1String("lighting-"))) {
        int effect = s.effect;
        int speed = s.speed;
        int brightness = s.brightness;
        QList<QList<int>> blocks = s.colours;
        const int steps = m_rules->intValue(kLight, QStringLiteral("sliderSteps"));
        const QVariantMap rule = m_rules->call(kLight, QStringLiteral("effectRule"), {effect, s.is55328}).toMap();
        const QString part = setting.mid(int(qstrlen("lighting-")));
        if (part == QLatin1String("effect")) {
            if (values.isEmpty())
                return usage(QStringLiteral("set lighting-effect takes NAME or NUMBER"));
            const QString wanted = values.join(QLatin1Char(' ')).trimmed();
            int chosen = -1;
            for (qsizetype i = 0; i < s.effectNames.size(); ++i) {
                if (s.effectNames.at(i).compare(wanted, Qt::CaseInsensitive) == 0)
                    chosen = int(i);
            }
            if (chosen < 0) {
                if (const auto n = number(wanted, 1, int(s.effectNames.size())))
                    chosen = *n - 1;
            }
            if (chosen < 0)
                return bad(setting, wanted,
                           s.effectNames.join(QLatin1String(", ")) + QStringLiteral(" (or 1 to %1)").arg(s.effectNames.size()));
            effect = chosen;
            // As choosing it in the list does: the effect's own slider start.
            const QVariantMap chosenRule =
                m_rules->call(kLight, QStringLiteral("effectRule"), {effect, s.is55328}).toMap();
            if (chosenRule.value(QStringLiteral("speed")).isValid())
                speed = chosenRule.value(QStringLiteral("speed")).toInt();
            if (chosenRule.value(QStringLiteral("brightness")).isValid())
                brightness = chosenRule.value(QStringLiteral("brightness")).toInt();
        } else if (part == QLatin1String("speed") || part == QLatin1String("brightness")) {
            if (auto r = wantValues(1, QStringLiteral("STEP")))
                return *r;
            const bool isSpeed = part == QLatin1String("speed");
            if (!rule.value(isSpeed ? QStringLiteral("speedShown") : QStringLiteral("brightnessShown")).toBool())
                return usage(QStringLiteral("set %1: the effect %2 has no %3").arg(setting, s.effectNames.value(effect), part));
            QString text = values.first().trimmed();
            std::optional<int> step;
            if (text.endsWith(QLatin1Char('%'))) {
                const auto percent = number(text.chopped(1), 0, (steps - 1) * 25);
                if (percent && *percent % 25 == 0)
                    step = *percent / 25;
            } else {
                step = number(text, 0, steps - 1);
            }
            if (!step)
                return bad(setting, values.first(), rangeText(0, steps - 1) + QStringLiteral(" (0% to 100% in steps of 25%)"));
            (isSpeed ? speed : brightness) = *step;
        } else if (part == QLatin1String("colour") || part == QLatin1String("color")) {
            if (auto r = wantValues(2, QStringLiteral("N #RRGGBB")))
                return *r;
            QList<int> shown;
            for (int i = 0; i < blocks.size(); ++i) {
                if (m_rules->call(kLight, QStringLiteral("blockShown"),
                                  {i, s.dpiCount, s.isColorful, s.is55328, effect}).toBool())
                    shown << i + 1;
            }
            const auto n = number(values.at(0), 1, int(blocks.size()));
            if (!n || !shown.contains(*n)) {
                QStringList valid;
                for (int i : shown)
                    valid << QString::number(i);
                return bad(setting, values.at(0), QStringLiteral("colour ") + valid.join(QLatin1String(", ")));
            }
            const auto rgb = colourOf(values.at(1));
            if (!rgb)
                return bad(setting, values.at(1), QStringLiteral("#000000 to #ffffff"));
            blocks[*n - 1] = *rgb;
        } else {
            return usage(QStringLiteral("set: no setting \"%1\"; see orbex-mouse help set").arg(setting));
        }
        ProfileState changed = s;
        changed.effect = effect;
        changed.speed = speed;
        changed.brightness = brightness;
        changed.colours = blocks;
        const QVariantMap state = lightingState(changed);
        // The window's save sends effect and colours together.
        change.calls = callsOf(m_rules->call(kLight, QStringLiteral("saveCalls"), {state, true, 0}));
        return change;
    }

    if (setting == QLatin1String("key"))
        return planKey(values, s);
    if (setting == QLatin1String("gun-slot"))
        return planGunSlot(values, s);
    if (setting == QLatin1String("pointer-speed") || setting == QLatin1String("double-click-speed")
        || setting == QLatin1String("scroll-rows"))
        return planDesktop(setting, values, s);

    return usage(QStringLiteral("set: no setting \"%1\"; see orbex-mouse help set").arg(setting));
}

std::variant<Change, Result> Command::planDesktop(const QString &setting, const QStringList &values,
                                                  const ProfileState &s)
{
    const QString kSystem = QStringLiteral("SystemSetting");
    if (values.size() != 1)
        return usage(QStringLiteral("set %1 takes one value").arg(setting));
    int speed = s.speedPosition;
    int doubleClick = s.doubleClickPosition;
    bool oneScreen = s.oneScreen;
    QString rows = QString::number(s.scrollRows);
    Change change;
    change.needsMouse = false;
    QString operation;
    int steps = int(m_rules->listValue(kSystem, QStringLiteral("compareValue")).size());
    if (setting == QLatin1String("scroll-rows")) {
        const int least = m_rules->intValue(kSystem, QStringLiteral("minRows"));
        const int most = m_rules->intValue(kSystem, QStringLiteral("maxRows"));
        if (values.first().compare(QLatin1String("screen"), Qt::CaseInsensitive) == 0) {
            oneScreen = true;
        } else {
            const auto n = number(values.first(), least, most);
            if (!n)
                return bad(setting, values.first(), rangeText(least, most) + QStringLiteral(", or screen"));
            oneScreen = false;
            rows = QString::number(*n);
        }
        change.pointerSetting = m_rules->intValue(kSystem, QStringLiteral("applyScroll"));
        operation = QStringLiteral("mouseSetVerticalScrollLines");
    } else {
        const auto n = number(values.first(), 1, steps);
        if (!n)
            return bad(setting, values.first(), rangeText(1, steps));
        const int position = m_rules->call(kSystem, QStringLiteral("positionOfIndex"), {*n - 1}).toInt();
        const bool isSpeed = setting == QLatin1String("pointer-speed");
        (isSpeed ? speed : doubleClick) = position;
        change.pointerSetting =
            m_rules->intValue(kSystem, isSpeed ? QStringLiteral("applySpeed") : QStringLiteral("applyDoubleClick"));
        operation = isSpeed ? QStringLiteral("mouseSetCursorSpeed") : QStringLiteral("mouseSetDoubleClickSpeed");
    }
    // As the system page saves: all three stored, the one changed applied.
    const QVariant lines = m_rules->call(kSystem, QStringLiteral("scrollValue"), {oneScreen, rows});
    change.calls = {{QStringLiteral("setData"), {QStringLiteral("mouse/mouseRate"), speed}},
                    {QStringLiteral("setData"), {QStringLiteral("mouse/doubleRate"), doubleClick}},
                    {QStringLiteral("setData"), {QStringLiteral("mouse/scrollRate"), lines}}};
    QVariant value = lines;
    if (operation == QLatin1String("mouseSetCursorSpeed"))
        value = m_rules->call(kSystem, QStringLiteral("indexOfPosition"), {speed});
    else if (operation == QLatin1String("mouseSetDoubleClickSpeed"))
        value = m_rules->call(kSystem, QStringLiteral("indexOfPosition"), {doubleClick});
    change.calls.append({operation, {value}});
    return change;
}

std::variant<Change, Result> Command::planGunSlot(const QStringList &values, const ProfileState &s)
{
    const QString kGun = QStringLiteral("GunControl");
    if (!s.isGun)
        return usage(QStringLiteral("set gun-slot: this mouse has no gun slots"));
    if (values.size() < 2)
        return usage(QStringLiteral("set gun-slot takes N and a gun"));
    const int slotCount = m_rules->intValue(kGun, QStringLiteral("slotCount"));
    const auto slot = number(values.first(), 1, slotCount);
    if (!slot)
        return bad(QStringLiteral("gun-slot"), values.first(), QStringLiteral("slot ") + rangeText(1, slotCount));
    const QString wanted = values.mid(1).join(QLatin1Char(' '));
    QStringList names;
    int position = -1;
    for (qsizetype i = 0; i < s.guns.size(); ++i) {
        const QString name = s.guns.at(i).toMap().value(QStringLiteral("gunName")).toString();
        names << name;
        if (position < 0 && name.compare(wanted, Qt::CaseInsensitive) == 0)
            position = int(i);
    }
    if (position < 0) {
        if (const auto n = number(wanted, 1, int(s.guns.size())))
            position = *n - 1;
    }
    if (position < 0)
        return bad(QStringLiteral("gun-slot"), wanted, names.join(QLatin1String(", ")));
    QVariantList held;
    for (int p : s.gunSlots)
        held << p;
    const QVariantList next = m_rules->call(kGun, QStringLiteral("assigned"), {QVariant(held), *slot - 1, position}).toList();
    ProfileState changed = s;
    changed.gunSlots.clear();
    for (const QVariant &p : next)
        changed.gunSlots << p.toInt();
    // As closing the gun page after a change: the slots to the mouse, then
    // the key list with the new guns' periods.
    Change change;
    change.calls.append({QStringLiteral("setGlobalData"), {QStringLiteral("mouse/selectGun"), QVariant(next)}});
    for (int g = 1; g <= slotCount; ++g) {
        const QVariant element = s.guns.value(changed.gunSlots.value(g - 1));
        change.calls.append({QStringLiteral("mouseSendGundata"),
                             {g, m_rules->call(kGun, QStringLiteral("slotValues"), {element})}});
    }
    change.calls += keyMatrixCalls(changed, changed.keys);
    return change;
}

} // namespace cli
