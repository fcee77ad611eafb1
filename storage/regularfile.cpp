#include "storage/regularfile.h"

#include "storage/storagefaults.h"

#include <QFileInfo>
#include <QStringList>

namespace regularfile {
namespace {

// Nothing can exist below a device file: every open fails at once, and the
// settings writer cannot create the folders on the way.
const QString kNever = QStringLiteral("/dev/null");

// The folders of a relative path, below the working folder, that are links.
bool throughLink(const QString &path)
{
    if (QFileInfo(path).isAbsolute())
        return false;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString folder;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        folder += (folder.isEmpty() ? QString() : QStringLiteral("/")) + parts.at(i);
        if (parts.at(i) != QLatin1String(".") && QFileInfo(folder).isSymLink())
            return true;
    }
    return false;
}

} // namespace

bool isSpecial(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() || (info.exists() && !info.isFile()) || throughLink(path);
}

bool isTooLarge(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > kMaxBytes;
}

QString forSettings(const QString &path)
{
    if (isSpecial(path))
        storagefaults::report(storagefaults::Kind::NotRegular, path);
    else if (isTooLarge(path))
        storagefaults::report(storagefaults::Kind::TooLarge, path);
    else
        return path;
    return kNever + QFileInfo(path).absoluteFilePath();
}

QString settingsFile(const QString &openedName)
{
    return openedName.startsWith(kNever + QLatin1Char('/')) ? openedName.mid(kNever.size()) : openedName;
}

} // namespace regularfile
