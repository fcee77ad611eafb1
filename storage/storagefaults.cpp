#include "storage/storagefaults.h"

#include "storage/storagelog.h"

#include <QFileInfo>

namespace storagefaults {
namespace {

Sink &sink()
{
    static Sink installed;
    return installed;
}

const char *textOf(Kind kind)
{
    switch (kind) {
    case Kind::NotSaved:
        return "not saved:";
    case Kind::TooLarge:
        return "refused, larger than 1 MiB:";
    case Kind::NotRegular:
        return "no regular file, neither read nor written:";
    case Kind::Folder:
        break;
    }
    return "settings folder unusable, changes are not kept:";
}

} // namespace

void install(Sink receiver)
{
    sink() = std::move(receiver);
}

void report(Kind kind, const QString &path)
{
    // The user sees where the file is, not where it is from the program.
    const QString where = QFileInfo(path).absoluteFilePath();
    qCWarning(lcStorage).noquote() << textOf(kind) << where;
    if (sink())
        sink()(kind, where);
}

} // namespace storagefaults
