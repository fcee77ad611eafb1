#include "storage/safename.h"

namespace safename {

bool isSafe(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.isNull())
            return false;
    }
    return true;
}

bool isStorable(const QString &name)
{
    return isSafe(name) && name.toUtf8().size() <= kMaxNameBytes;
}

} // namespace safename
