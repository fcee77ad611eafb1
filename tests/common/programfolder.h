#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test: a temporary directory holding a copy
// of the factory modules/ tree, made the working directory for as long as
// the object lives.
class ProgramFolder {
public:
    explicit ProgramFolder(bool withFactoryTree = true);
    ~ProgramFolder();

    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const; // e.g. "modules/setting/p1.bin"

    QByteArray read(const QString &relative) const;
    bool write(const QString &relative, const QByteArray &content) const;
    bool remove(const QString &relative) const;

    static QString factoryTree(); // the source factory/modules folder

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};
