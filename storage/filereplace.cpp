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

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        storagefaults::report(storagefaults::Kind::NotSaved, target);
        return false;
    }
    // The source may grow while it is read; no more than the limit is taken.
    const QByteArray content = in.read(regularfile::kMaxBytes + 1);
    if (in.error() != QFileDevice::NoError || content.size() > regularfile::kMaxBytes) {
        out.cancelWriting();
        return false;
    }
    if (out.write(content) != content.size() || !out.commit()) {
        storagefaults::report(storagefaults::Kind::NotSaved, target);
        return false;
    }
    return true;
}

} // namespace filereplace
