#include "storage/filereplace.h"

#include "storage/regularfile.h"
#include "storage/storagelog.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace filereplace {

bool copyOver(const QString &source, const QString &target)
{
    if (!QFileInfo(source).isFile() || regularfile::isSpecial(target)) {
        qCWarning(lcStorage) << "not copied, no regular file:" << source << "to" << target;
        return false;
    }
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath() && QFileInfo::exists(target))
        return true;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(64 * 1024);
        if (in.error() != QFileDevice::NoError || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

} // namespace filereplace
