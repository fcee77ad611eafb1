#include "storage/filetree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace filetree {

bool copy(const QString &from, const QString &to, QString *error)
{
    if (!QFileInfo(from).isDir() || QFileInfo(from).isSymLink()) {
        *error = from + QStringLiteral(" is no folder");
        return false;
    }
    if (!QDir().mkpath(to)) {
        *error = QStringLiteral("cannot create ") + to;
        return false;
    }
    const QDir source(from);
    QDirIterator it(from, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(entry.filePath());
        if (entry.isSymLink() || (!entry.isDir() && !entry.isFile())) {
            *error = entry.filePath() + QStringLiteral(" is a link or no regular file");
            return false;
        }
        if (entry.isDir()) {
            if (!QDir().mkpath(target)) {
                *error = QStringLiteral("cannot create ") + target;
                return false;
            }
            continue;
        }
        QFile file(entry.filePath());
        if (!file.copy(target)) {
            *error = QStringLiteral("cannot copy ") + entry.filePath() + QStringLiteral(": ") + file.errorString();
            return false;
        }
        QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner
                                          | QFile::ReadUser | QFile::WriteUser);
    }
    return true;
}

bool remove(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return QFile::remove(path);
    // Below the top, removeRecursively takes links away as links.
    return !info.exists() || QDir(path).removeRecursively();
}

} // namespace filetree
