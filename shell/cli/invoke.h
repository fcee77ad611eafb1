#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

class QObject;

namespace cli {

// Calls a slot of `target` by name, as the pages do: the arguments are
// converted to the slot's parameter types. False in `found` when no slot of
// that name takes that many arguments.
QVariant callByName(QObject *target, const QString &name, const QVariantList &arguments, bool *found = nullptr);

} // namespace cli
