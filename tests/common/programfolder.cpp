#include "programfolder.h"

#include "storage/filetree.h"

#include <QDir>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

ProgramFolder::ProgramFolder(bool withFactoryTree) : m_previousDir(QDir::currentPath())
{
    if (!m_dir.isValid())
        return;
    QString error;
    if (withFactoryTree && !filetree::copy(factoryTree(), m_dir.path() + QStringLiteral("/modules"), &error))
        qWarning().noquote() << "test folder incomplete:" << error;
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
