#include "storage/regularfile.h"

#include "storage/storagelog.h"

#include <QFileInfo>

namespace regularfile {

bool isSpecial(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

QString forSettings(const QString &path)
{
    if (!isSpecial(path))
        return path;
    qCWarning(lcStorage) << path << "is no regular file; its settings read as empty and are not written";
    // Nothing can exist below a FIFO or a device.
    return path + QStringLiteral("/not-a-regular-file");
}

} // namespace regularfile
