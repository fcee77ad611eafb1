#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <limits>

// What a key of a shipped settings file must look like once read back from
// disk, and a check that says what is wrong with a stored value.
namespace settingshape {

enum class Kind { Text, Flag, Integer, IntegerList };

struct KeyShape {
    QString key;
    Kind kind = Kind::Text;
    qint64 min = std::numeric_limits<int>::min();
    qint64 max = std::numeric_limits<int>::max();
    int length = 0;           // values of an IntegerList
    QStringList allowed = {}; // a Text must be one of these, when given
    bool mayBeEmpty = false;  // a Text that may be empty
};

inline KeyShape text(const QString &key, QStringList allowed = {})
{
    return {key, Kind::Text, 0, 0, 0, std::move(allowed), false};
}
inline KeyShape optionalText(const QString &key)
{
    return {key, Kind::Text, 0, 0, 0, {}, true};
}
inline KeyShape flag(const QString &key)
{
    return {key, Kind::Flag};
}
inline KeyShape integer(const QString &key, qint64 min, qint64 max)
{
    return {key, Kind::Integer, min, max};
}
inline KeyShape integers(const QString &key, int length, qint64 min, qint64 max)
{
    return {key, Kind::IntegerList, min, max, length};
}

inline QString checkInteger(const QString &value, const KeyShape &shape)
{
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (!ok)
        return QStringLiteral("\"%1\" is not an integer").arg(value);
    if (number < shape.min || number > shape.max)
        return QStringLiteral("%1 lies outside %2 to %3").arg(number).arg(shape.min).arg(shape.max);
    return {};
}

// An empty text when the stored value has the shape; otherwise the fault.
inline QString check(const QSettings &settings, const KeyShape &shape)
{
    if (!settings.contains(shape.key))
        return QStringLiteral("missing");
    const QVariant value = settings.value(shape.key);
    const bool isList = value.typeId() == QMetaType::QStringList;
    if (shape.kind == Kind::IntegerList) {
        if (!isList)
            return QStringLiteral("not a list: \"%1\"").arg(value.toString());
        const QStringList values = value.toStringList();
        if (values.size() != shape.length)
            return QStringLiteral("%1 values instead of %2").arg(values.size()).arg(shape.length);
        for (const QString &entry : values) {
            const QString fault = checkInteger(entry, shape);
            if (!fault.isEmpty())
                return fault;
        }
        return {};
    }
    if (isList)
        return QStringLiteral("a list where one value belongs: %1").arg(value.toStringList().join(QLatin1Char('|')));
    const QString stored = value.toString();
    switch (shape.kind) {
    case Kind::Flag:
        return stored == QLatin1String("true") || stored == QLatin1String("false")
                   ? QString()
                   : QStringLiteral("\"%1\" is not a flag").arg(stored);
    case Kind::Integer:
        return checkInteger(stored, shape);
    default:
        if (stored.isEmpty() && !shape.mayBeEmpty)
            return QStringLiteral("empty");
        if (!shape.allowed.isEmpty() && !shape.allowed.contains(stored))
            return QStringLiteral("\"%1\" is none of %2").arg(stored, shape.allowed.join(QLatin1String(", ")));
        return {};
    }
}

inline QList<int> intList(const QSettings &settings, const QString &key)
{
    QList<int> numbers;
    for (const QString &entry : settings.value(key).toStringList())
        numbers << entry.toInt();
    return numbers;
}

} // namespace settingshape
