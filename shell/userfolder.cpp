#include "shell/userfolder.h"

#include "storage/filetree.h"

#include <QDir>
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

// Gives the per-user folder its modules/ tree unless it has one already.
bool fill(const QString &factory, const QString &userFolder, QString *error)
{
    const QString modules = userFolder + QLatin1Char('/') + kModules;
    const QFileInfo existing(modules);
    // A link there would put the settings wherever it points.
    if (existing.isSymLink() || (existing.exists() && !existing.isDir())) {
        *error = modules + QStringLiteral(" is not a folder");
        return false;
    }
    if (existing.isDir())
        return true;
    if (!QFileInfo(factory).isDir()) {
        // Nothing to copy; a later start, with the installation mended, fills it.
        *error = QStringLiteral("the installed tree ") + factory + QStringLiteral(" is missing");
        return false;
    }
    const QString partial = userFolder + QLatin1Char('/') + kPartial;
    // A link left in its place is removed, never what it points to.
    filetree::remove(partial);
    if (!filetree::copy(factory, partial, error) || !QDir().rename(partial, modules)) {
        if (error->isEmpty())
            *error = QStringLiteral("cannot rename ") + partial + QStringLiteral(" to ") + modules;
        filetree::remove(partial);
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

QString workingFolder(const QString &programFolder, bool programFolderWritable, const QString &dataHome,
                      QString *unusable)
{
    if (programFolderWritable)
        return programFolder;

    const QString userFolder = dataHome + QLatin1Char('/') + QLatin1String(kFolderName);
    QString error;
    bool ready = QDir().mkpath(userFolder);
    if (!ready)
        error = QStringLiteral("cannot create ") + userFolder;
    else
        ready = fill(programFolder + QLatin1Char('/') + kModules, userFolder, &error);
    if (ready)
        return userFolder;
    qCWarning(lcUserFolder).noquote() << "cannot set up" << userFolder << "(" + error
                                             + ") - settings changes will not be kept";
    if (unusable)
        *unusable = userFolder;
    return programFolder;
}

QString workingFolder(const QString &programFolder, QString *unusable)
{
    // access() answers for this user, root included, as the writes will.
    const bool writable = ::access(QFile::encodeName(programFolder).constData(), W_OK) == 0;
    return workingFolder(programFolder, writable, dataHome(), unusable);
}

} // namespace userfolder
