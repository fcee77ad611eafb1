#include "storage/settingsvalues.h"

#include <QSettings>
#include <QStringList>

namespace settingsvalues {

QVariantList toList(const QVariant &stored)
{
    const int type = stored.typeId();
    if (type == QMetaType::QStringList || type == QMetaType::QVariantList)
        return stored.toList();
    return {};
}

bool sameAs(const QVariant &stored, const QVariant &storable)
{
    if (!stored.isValid())
        return false;
    if (storable.typeId() == QMetaType::QStringList) {
        const bool storedList =
            stored.typeId() == QMetaType::QStringList || stored.typeId() == QMetaType::QVariantList;
        return storedList ? stored.toStringList() == storable.toStringList()
                          : storable.toStringList().size() == 1 && stored.toString() == storable.toStringList().first();
    }
    const int type = stored.typeId();
    if (type == QMetaType::QStringList || type == QMetaType::QVariantList)
        return false;
    return stored.toString() == storable.toString() && storable.canConvert<QString>();
}

bool store(QSettings &settings, const QString &key, const QVariant &value)
{
    const QVariant storable = toStorable(value);
    if (sameAs(settings.value(key), storable))
        return false;
    settings.setValue(key, storable);
    return true;
}

QVariant toStorable(const QVariant &value)
{
    const int type = value.typeId();
    if (type != QMetaType::QStringList && type != QMetaType::QVariantList)
        return value;
    QStringList texts;
    for (const QVariant &item : value.toList())
        texts.append(item.toString());
    return texts;
}

} // namespace settingsvalues
