#include "programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

bool copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::copy(source, target)
                   || !QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner)) {
            return false;
        }
    }
    return true;
}

} // namespace

ProgramFolder::ProgramFolder(bool withFactoryTree) : m_previousDir(QDir::currentPath())
{
    if (!m_dir.isValid())
        return;
    if (withFactoryTree)
        copyTree(factoryTree(), m_dir.path() + QStringLiteral("/modules"));
    else
        QDir(m_dir.path()).mkpath(QStringLiteral("modules/setting"));
    QDir::setCurrent(m_dir.path());
}

ProgramFolder::~ProgramFolder()
{
    QDir::setCurrent(m_previousDir);
}

QString ProgramFolder::factoryTree()
{
    return QStringLiteral(ORBEX_FACTORY_DIR);
}

QString ProgramFolder::path(const QString &relative) const
{
    return m_dir.path() + QLatin1Char('/') + relative;
}

QByteArray ProgramFolder::read(const QString &relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool ProgramFolder::write(const QString &relative, const QByteArray &content) const
{
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

bool ProgramFolder::remove(const QString &relative) const
{
    return QFile::remove(path(relative));
}
