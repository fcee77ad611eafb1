#include "shell/singleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// How long a running instance may take to accept a connection before its
// lock counts as left behind.
constexpr int kAnswerMs = 1000;

QString runtimeDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QDir::tempPath() : dir;
}

bool instanceAnswers(const QString &identity)
{
    QLocalSocket socket;
    socket.connectToServer(identity);
    return socket.waitForConnected(kAnswerMs);
}

} // namespace

QString SingleApplication::instanceIdentity(const QString &programFile)
{
    const QByteArray key = programFile.toUtf8() + '\n' + QByteArray::number(getuid());
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("orbex-mouse-") + QString::fromLatin1(hash);
}

SingleApplication::SingleApplication(int &argc, char **argv)
    : QApplication(argc, argv), m_identity(instanceIdentity(applicationFilePath())),
      m_lock(std::make_unique<QLockFile>(runtimeDir() + QLatin1Char('/') + m_identity + QStringLiteral(".lock")))
{
    // A lock left by a crashed instance is stale and taken over by tryLock.
    m_lock->setStaleLockTime(0);
    m_running = !m_lock->tryLock(0);
    // An empty or garbled lock file, or one naming another host, is never
    // stale to QLockFile. What counts is whether an instance answers: the
    // lock of none is taken over. A live holder keeps its file locked, so
    // the removal fails for it.
    if (m_running && !instanceAnswers(m_identity) && m_lock->removeStaleLockFile())
        m_running = !m_lock->tryLock(0);
    if (!m_running)
        startServer();
}

SingleApplication::~SingleApplication() = default;

void SingleApplication::startServer()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_identity);
    m_server->listen(m_identity);
    connect(m_server, &QLocalServer::newConnection, this, &SingleApplication::readConnection);
}

void SingleApplication::readConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QString message;
            in >> message;
            if (!in.commitTransaction())
                return;
            socket->write("ack", 3);
            socket->flush();
            emit messageReceived(message);
        });
    }
}

bool SingleApplication::sendMessage(const QString &message, int timeout)
{
    QLocalSocket socket;
    socket.connectToServer(m_identity);
    if (!socket.waitForConnected(timeout))
        return false;
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out << message;
    socket.write(block);
    if (!socket.waitForBytesWritten(timeout))
        return false;
    return socket.waitForReadyRead(timeout) && socket.read(3) == "ack";
}
