#include "controller/slotvalues.h"

#include "controller/controllerlog.h"
#include "controller/myquickview.h"
#include "encoding/keymatrix.h"

#include <QJSValue>

#include <algorithm>

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

bool allBytes(const std::vector<int> &entry)
{
    return std::all_of(entry.begin(), entry.end(), [](int v) { return v >= 0 && v <= 0xFF; });
}

std::vector<int> storedEntries(myQQuickView &view, const QString &prefix)
{
    std::vector<int> values(keymatrix::kMatrixSize, 0);
    for (int key = 0; key < keymatrix::kKeys; ++key) {
        const QString name = prefix + QString::number(key);
        std::vector<int> entry = intsOf(view.getDataList(name, false));
        // A value that is no byte would go out cut to its low eight bits, a
        // different key function; the factory entry stands in for it.
        if (!allBytes(entry)) {
            std::vector<int> factory = intsOf(view.getDataList(name, true));
            if (!allBytes(factory))
                factory.clear();
            qCWarning(lcController).nospace() << "stored key entry " << name << " holds a value outside 0 to 255; "
                                              << (factory.empty() ? "left empty" : "using the factory entry");
            entry = factory;
        }
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
