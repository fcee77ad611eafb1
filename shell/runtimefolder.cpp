#include "shell/runtimefolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace runtimefolder {

namespace {

QString systemError(const char *what, const QString &path)
{
    return QStringLiteral("%1 %2: %3").arg(QLatin1String(what), path, QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

QString check(const QString &path, bool create, uid_t user)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) {
        if (errno != ENOENT || !create)
            return systemError("cannot use", path);
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
            return systemError("cannot make", path);
        if (::lstat(native.constData(), &info) != 0)
            return systemError("cannot use", path);
    }
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("%1 is not a folder").arg(path);
    if (info.st_uid != user)
        return QStringLiteral("%1 belongs to another user (%2)").arg(path).arg(info.st_uid);
    if ((info.st_mode & 077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return systemError("cannot close to others", path);
    return QString();
}

Folder locate(const QString &xdgRuntime, const QString &tempBase, uid_t user)
{
    QString refused;
    if (!xdgRuntime.isEmpty() && QDir::isAbsolutePath(xdgRuntime)) {
        refused = check(xdgRuntime, false, user);
        if (refused.isEmpty())
            return {QDir::cleanPath(xdgRuntime), QString()};
    }
    const QString own = QDir::cleanPath(tempBase) + QStringLiteral("/orbex-mouse-") + QString::number(user);
    const QString error = check(own, true, user);
    if (error.isEmpty())
        return {own, QString()};
    return {QString(), refused.isEmpty() ? error : refused + QStringLiteral("; ") + error};
}

Folder locate()
{
    return locate(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(), ::getuid());
}

} // namespace runtimefolder

namespace runtimefolder {

QString pathFor(const QString &name)
{
    const Folder folder = locate();
    return folder.path.isEmpty() ? QString() : folder.path + QLatin1Char('/') + name;
}

} // namespace runtimefolder
