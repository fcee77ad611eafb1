#include "controller/slotvalues.h"

#include "controller/encoding/keymatrix.h"
#include "controller/myquickview.h"

#include <QJSValue>

namespace slotvalues {

namespace {

bool isScriptValue(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<QJSValue>();
}

} // namespace

QVariant plain(const QVariant &value)
{
    return isScriptValue(value) ? value.value<QJSValue>().toVariant() : value;
}

int intOf(const QVariant &value)
{
    return isScriptValue(value) ? value.value<QJSValue>().toInt() : value.toInt();
}

std::vector<int> intsOf(const QVariantList &list)
{
    std::vector<int> values;
    values.reserve(list.size());
    for (const QVariant &v : list)
        values.push_back(intOf(v));
    return values;
}

std::vector<int> storedEntries(myQQuickView &view, const QString &prefix)
{
    std::vector<int> values(keymatrix::kMatrixSize, 0);
    for (int key = 0; key < keymatrix::kKeys; ++key) {
        const std::vector<int> entry = intsOf(view.getDataList(prefix + QString::number(key), false));
        for (int i = 0; i < keymatrix::kEntrySize; ++i)
            values[key * keymatrix::kEntrySize + i] = encoding::valueAt(entry, i);
    }
    return values;
}

encoding::Family familyOf(const myQQuickView &view)
{
    return view.model.family;
}

} // namespace slotvalues
