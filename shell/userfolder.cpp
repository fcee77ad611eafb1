#include "shell/userfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <unistd.h>

Q_LOGGING_CATEGORY(lcUserFolder, "orbex.shell.userfolder", QtInfoMsg)

namespace userfolder {
namespace {

const QString kModules = QStringLiteral("modules");
// The copy is made here and renamed into place when complete, so that an
// interrupted first start leaves no half-filled modules/ tree behind.
const QString kPartial = QStringLiteral("modules.partial");

// Copies the tree at from into the new folder to. Copies keep the factory
// files' permission bits, which an installation may have made read-only;
// the user's copies must be writable.
bool copyTree(const QString &from, const QString &to, QString *error)
{
    if (!QDir().mkpath(to)) {
        *error = QStringLiteral("cannot create ") + to;
        return false;
    }
    const QDir source(from);
    QDirIterator it(from, QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(entry.filePath());
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

// Gives the per-user folder its modules/ tree unless it has one already.
bool fill(const QString &factory, const QString &userFolder, QString *error)
{
    const QString modules = userFolder + QLatin1Char('/') + kModules;
    if (QFileInfo(modules).isDir())
        return true;
    if (QFileInfo::exists(modules)) {
        *error = modules + QStringLiteral(" is not a folder");
        return false;
    }
    if (!QFileInfo(factory).isDir()) {
        // Nothing to copy; a later start, with the installation mended, fills it.
        *error = QStringLiteral("the installed tree ") + factory + QStringLiteral(" is missing");
        return true;
    }
    const QString partial = userFolder + QLatin1Char('/') + kPartial;
    QDir(partial).removeRecursively();
    if (!copyTree(factory, partial, error) || !QDir().rename(partial, modules)) {
        if (error->isEmpty())
            *error = QStringLiteral("cannot rename ") + partial + QStringLiteral(" to ") + modules;
        QDir(partial).removeRecursively();
        return false;
    }
    qCInfo(lcUserFolder) << "settings copied from" << factory << "to" << modules;
    return true;
}

} // namespace

QString dataHome(const QString &xdgDataHome, const QString &home)
{
    // A relative $XDG_DATA_HOME is invalid and ignored.
    if (QDir::isAbsolutePath(xdgDataHome))
        return QDir::cleanPath(xdgDataHome);
    return QDir::cleanPath(home + QStringLiteral("/.local/share"));
}

QString dataHome()
{
    return dataHome(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

QString workingFolder(const QString &programFolder, bool programFolderWritable, const QString &dataHome)
{
    if (programFolderWritable)
        return programFolder;

    const QString userFolder = dataHome + QLatin1Char('/') + QLatin1String(kFolderName);
    QString error;
    if (!QDir().mkpath(userFolder)) {
        qCWarning(lcUserFolder).noquote() << "cannot create" << userFolder << "- settings changes will not be kept";
        return programFolder;
    }
    if (!fill(programFolder + QLatin1Char('/') + kModules, userFolder, &error)) {
        qCWarning(lcUserFolder).noquote()
            << "cannot set up" << userFolder << "(" + error + ") - settings changes will not be kept";
        return programFolder;
    }
    if (!error.isEmpty())
        qCWarning(lcUserFolder).noquote() << error;
    return userFolder;
}

QString workingFolder(const QString &programFolder)
{
    // access() answers for this user, root included, as the writes will.
    const bool writable = ::access(QFile::encodeName(programFolder).constData(), W_OK) == 0;
    return workingFolder(programFolder, writable, dataHome());
}

} // namespace userfolder
