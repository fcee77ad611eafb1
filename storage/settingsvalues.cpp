#include "storage/settingsvalues.h"

#include <QStringList>

namespace settingsvalues {

QVariantList toList(const QVariant &stored)
{
    const int type = stored.typeId();
    if (type == QMetaType::QStringList || type == QMetaType::QVariantList)
        return stored.toList();
    return {};
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
