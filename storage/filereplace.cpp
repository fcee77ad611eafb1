#include "storage/filereplace.h"

#include "storage/regularfile.h"
#include "storage/storagefaults.h"
#include "storage/storagelog.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace filereplace {

bool copyOver(const QString &source, const QString &target)
{
    if (!QFileInfo(source).isFile() || regularfile::isSpecial(target)) {
        qCWarning(lcStorage) << "not copied, no regular file:" << source << "to" << target;
        if (regularfile::isSpecial(target))
            storagefaults::report(storagefaults::Kind::NotRegular, target);
        return false;
    }
    if (regularfile::isTooLarge(source)) {
        storagefaults::report(storagefaults::Kind::TooLarge, source);
        return false;
    }
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath() && QFileInfo::exists(target))
        return true;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;

    // The source may grow while it is read; no more than the limit is taken.
    const QByteArray content = in.read(regularfile::kMaxBytes + 1);
    if (in.error() != QFileDevice::NoError || content.size() > regularfile::kMaxBytes)
        return false;
    // A target that holds these bytes already is left alone: each write
    // waits for the disk.
    QFile existing(target);
    if (existing.size() == content.size() && existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return true;

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.commit()) {
        storagefaults::report(storagefaults::Kind::NotSaved, target);
        return false;
    }
    return true;
}

} // namespace filereplace
