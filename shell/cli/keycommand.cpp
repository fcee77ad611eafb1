// `set key N FUNCTION...`: a key's function by the names the key dialog
// shows, a combination such as ctrl+a, a fire key, or a macro by name with
// its play mode; checked and encoded by the dialog's own rules.
#include "controller/myquickview.h"
#include "shell/cli/command.h"

namespace cli {

namespace {

const QString kAssign = QStringLiteral("KeyAssigment");
const QString kMatrix = QStringLiteral("KeyMatrix");

QList<int> intsOf(const QVariant &value)
{
    QList<int> ints;
    for (const QVariant &v : value.toList())
        ints << v.toInt();
    return ints;
}

// Short names for the left-hand modifiers, besides the key list's own.
int modifierAlias(const QString &name)
{
    static const QHash<QString, int> aliases{
        {QStringLiteral("ctrl"), 0xE0},  {QStringLiteral("control"), 0xE0}, {QStringLiteral("shift"), 0xE1},
        {QStringLiteral("alt"), 0xE2},   {QStringLiteral("win"), 0xE3},     {QStringLiteral("super"), 0xE3},
        {QStringLiteral("meta"), 0xE3},
    };
    return aliases.value(name.toLower(), 0);
}

} // namespace

std::variant<Change, Result> Command::planKey(const QStringList &values, const ProfileState &s)
{
    if (values.size() < 2)
        return usage(QStringLiteral("set key takes N and a function; see orbex-mouse help set"));
    const int shownKeys = m_rules->intValue(kMatrix, QStringLiteral("buttonCount"));
    bool isNumber = false;
    const int key = values.first().toInt(&isNumber);
    if (!isNumber || key < 1 || key > shownKeys)
        return usage(QStringLiteral("set key: \"%1\" is not valid; valid: key 1 to %2").arg(values.first()).arg(shownKeys));
    const int index = key - 1;
    const QStringList function = values.mid(1);
    const QString wanted = function.join(QLatin1Char(' ')).trimmed();

    QVariantList entries;
    for (const QList<int> &entry : s.keys)
        entries << QVariant(QVariantList{entry.value(0), entry.value(1), entry.value(2), entry.value(3)});
    if (m_rules->call(kMatrix, QStringLiteral("isOnlyLeftButton"), {QVariant(entries), index}).toBool())
        return usage(QStringLiteral("set key: key %1 is the only left button and keeps it").arg(key));

    std::optional<QList<int>> entry;
    QString macroName;

    // A named function of the dialog's lists; the gun's only on a gun mouse.
    QStringList names;
    const QStringList lists{QStringLiteral("mouseItems"), QStringLiteral("mediaItems"), QStringLiteral("dpiItems"),
                            QStringLiteral("windowsItems"), QStringLiteral("shortcutItems"), QStringLiteral("gunItems")};
    for (const QString &list : lists) {
        if (list == QLatin1String("gunItems") && !s.isGun)
            continue;
        for (const QVariant &item : m_rules->listValue(kAssign, list)) {
            const QVariantMap m = item.toMap();
            const QString name = s.keyDialogTexts.value(m.value(QStringLiteral("text")).toInt());
            if (name.isEmpty())
                continue;
            names << name;
            if (!entry && name.compare(wanted, Qt::CaseInsensitive) == 0)
                entry = intsOf(m.value(QStringLiteral("entry")));
        }
    }

    const QString first = function.first().toLower();
    if (!entry && first == QLatin1String("macro")) {
        if (function.size() < 2)
            return usage(QStringLiteral("set key: macro takes a NAME and once, loop or hold"));
        const QStringList macros = m_rules->call(QStringLiteral("MacroNames"), QStringLiteral("fromStored"),
                                                 {QVariant(m_target.view->getNameList(0))})
                                       .toStringList();
        macroName = function.at(1);
        if (!macros.contains(macroName))
            return usage(QStringLiteral("set key: no macro \"%1\"; valid: %2")
                             .arg(macroName, macros.isEmpty() ? QStringLiteral("none, make one first")
                                                              : macros.join(QLatin1String(", "))));
        static const QStringList modes{QStringLiteral("once"), QStringLiteral("loop"), QStringLiteral("hold")};
        const QString modeText = function.size() > 2 ? function.at(2).toLower() : modes.first();
        const qsizetype mode = modes.indexOf(modeText);
        if (mode < 0 || function.size() > 3)
            return usage(QStringLiteral("set key: macro play mode \"%1\" is not valid; valid: once, loop, hold").arg(modeText));
        entry = intsOf(m_rules->call(kAssign, QStringLiteral("macroEntry"), {int(mode), index}));
    }

    auto codeOf = [&](const QString &name) {
        if (const int alias = modifierAlias(name))
            return alias;
        const QStringList keyNames = m_rules->keyNames();
        const QList<int> codes = m_rules->keyCodes();
        for (qsizetype i = 0; i < keyNames.size() && i < codes.size(); ++i) {
            if (keyNames.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return codes.at(i);
        }
        return 0;
    };

    if (!entry && first == QLatin1String("fire")) {
        // fire KEY [RATE [TIMES]]: the dialog's fire key, rate in ms, 0 times endless.
        if (function.size() < 2 || function.size() > 4)
            return usage(QStringLiteral("set key: fire takes KEY [RATE [TIMES]]"));
        const int code = codeOf(function.at(1));
        if (!code)
            return usage(QStringLiteral("set key: no key \"%1\"; see the key names in orbex-mouse(1)").arg(function.at(1)));
        const int lowest = m_rules->intValue(kAssign, QStringLiteral("rateMin"));
        const int highest = m_rules->intValue(kAssign, QStringLiteral("rateMax"));
        int rate = m_rules->intValue(kAssign, QStringLiteral("rateDefault"));
        if (function.size() > 2) {
            bool ok = false;
            rate = function.at(2).toInt(&ok);
            if (!ok || rate < lowest || rate > highest)
                return usage(QStringLiteral("set key: fire rate \"%1\" is not valid; valid: %2 to %3 (ms)")
                                 .arg(function.at(2)).arg(lowest).arg(highest));
        }
        int times = 0;
        if (function.size() > 3) {
            times = m_rules->call(kAssign, QStringLiteral("timesOf"), {function.at(3)}).toInt();
            if (times < 0)
                return usage(QStringLiteral("set key: fire times \"%1\" is not valid; valid: 0 (endless) to %2")
                                 .arg(function.at(3)).arg(m_rules->intValue(kAssign, QStringLiteral("timesMax"))));
        }
        entry = intsOf(m_rules->call(kAssign, QStringLiteral("fireEntry"), {code, rate, times}));
    }

    if (!entry && function.size() == 1) {
        // A key or a combination: ctrl+a, ctrl+shift+esc, F5.
        QVariantMap state = m_rules->call(kAssign, QStringLiteral("comboStart")).toMap();
        const QStringList parts = wanted.split(QLatin1Char('+'));
        int plainKeys = 0;
        for (const QString &part : parts) {
            const int code = codeOf(part.trimmed());
            if (!code)
                return usage(QStringLiteral("set key: \"%1\" is no function of the key dialog and \"%2\" no key; "
                                            "valid: %3, a combination such as ctrl+a, fire KEY, macro NAME")
                                 .arg(wanted, part, names.join(QLatin1String(", "))));
            if (!m_rules->call(kAssign, QStringLiteral("isModifier"), {code}).toBool() && ++plainKeys > 2)
                return usage(QStringLiteral("set key: a combination takes at most two keys besides the modifiers"));
            state = m_rules->call(kAssign, QStringLiteral("comboAdd"), {state, code}).toMap();
        }
        const QVariant combo = m_rules->call(kAssign, QStringLiteral("comboEntry"), {state});
        if (!combo.isNull())
            entry = intsOf(combo);
    }

    if (!entry)
        return usage(QStringLiteral("set key: \"%1\" is not valid; valid: %2, a combination such as ctrl+a, "
                                    "fire KEY [RATE [TIMES]], macro NAME [once|loop|hold]")
                         .arg(wanted, names.join(QLatin1String(", "))));

    QList<QList<int>> keys = s.keys;
    keys[index] = *entry;
    Change change;
    if (!macroName.isEmpty()) {
        // As closing the dialog on a macro does: the macro to its slot, its name stored.
        const QStringList stored = m_target.view->loadMacroIni(macroName);
        if (stored.isEmpty())
            return fail(cliargs::kNotTaken, QStringLiteral("set key: the macro \"%1\" has no file").arg(macroName));
        change.calls.append({QStringLiteral("mouseSendMacroData"),
                             {m_rules->macroPayload(stored), index}});
        change.calls.append({QStringLiteral("setData"), {QStringLiteral("mouseMacroKey/%1").arg(index), macroName}});
    }
    change.calls += keyMatrixCalls(s, keys);
    return change;
}

} // namespace cli
