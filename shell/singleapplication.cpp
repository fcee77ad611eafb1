#include "shell/singleapplication.h"

#include "shell/peercredentials.h"
#include "shell/runtimefolder.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QPointer>

#include <unistd.h>

Q_LOGGING_CATEGORY(lcInstance, "orbex.shell.instance", QtInfoMsg)

namespace {

// How long a running instance may take to accept a connection before its
// lock counts as left behind.
constexpr int kAnswerMs = 1000;

// A request of the command line, told apart from the second start's text
// by a first character no text of the program's starts with.
const QString kRequestMark = QStringLiteral("\x01request\n");
const QByteArray kAck = QByteArrayLiteral("ack");

bool instanceAnswers(const QString &socketPath)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    return socket.waitForConnected(kAnswerMs);
}

QByteArray frame(const QString &text)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out << text;
    return block;
}

} // namespace

QString SingleApplication::instanceIdentity(const QString &programFile)
{
    const QByteArray key = programFile.toUtf8() + '\n' + QByteArray::number(getuid());
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("orbex-mouse-") + QString::fromLatin1(hash);
}

SingleApplication::SingleApplication(int &argc, char **argv)
    : QApplication(argc, argv), m_identity(instanceIdentity(applicationFilePath()))
{
    const runtimefolder::Folder folder = runtimefolder::locate();
    if (folder.path.isEmpty()) {
        m_startError = QStringLiteral("no private folder for the program's sockets: ") + folder.error;
        return;
    }
    m_socketPath = folder.path + QLatin1Char('/') + m_identity;
    m_lock = std::make_unique<QLockFile>(m_socketPath + QStringLiteral(".lock"));
    // A lock left by a crashed instance is stale and taken over by tryLock.
    m_lock->setStaleLockTime(0);
    m_running = !m_lock->tryLock(0);
    // An empty or garbled lock file, or one naming another host, is never
    // stale to QLockFile. What counts is whether an instance answers: the
    // lock of none is taken over. A live holder keeps its file locked, so
    // the removal fails for it.
    if (m_running && !instanceAnswers(m_socketPath)) {
        if (m_lock->removeStaleLockFile()) {
            m_running = !m_lock->tryLock(0);
        } else {
            m_running = false;
            m_startError = QStringLiteral("no running instance answers for the lock %1, and it cannot be "
                                          "removed; remove it and start again")
                               .arg(m_socketPath + QStringLiteral(".lock"));
            return;
        }
    }
    if (!m_running)
        startServer();
}

SingleApplication::~SingleApplication() = default;

void SingleApplication::startServer()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath))
        qCWarning(lcInstance) << "later starts cannot reach this instance:" << m_server->errorString();
    connect(m_server, &QLocalServer::newConnection, this, &SingleApplication::readConnection);
}

void SingleApplication::readConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (m_connections >= kMaxConnections || !peercredentials::sameUser(*socket)) {
            qCWarning(lcInstance) << (m_connections >= kMaxConnections ? "too many senders; one refused"
                                                                       : "a process of another user refused");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_connections;
        connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { readMessage(socket); });
    }
}

void SingleApplication::readMessage(QLocalSocket *socket)
{
    if (socket->property("taken").toBool())
        return;
    if (socket->bytesAvailable() > kMaxMessageBytes + qint64(sizeof(quint32))) {
        qCWarning(lcInstance) << "a message larger than" << kMaxMessageBytes << "bytes refused";
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.startTransaction();
    QString message;
    in >> message;
    if (!in.commitTransaction())
        return;
    socket->setProperty("taken", true);
    if (message.startsWith(kRequestMark)) {
        if (!m_requestHandler) {
            socket->abort();
            return;
        }
        const QPointer<QLocalSocket> alive(socket);
        m_requestHandler(message.mid(kRequestMark.size()), [alive](const QString &reply) {
            if (!alive || alive->state() != QLocalSocket::ConnectedState)
                return;
            alive->write(frame(reply));
            alive->flush();
        });
        return;
    }
    socket->write(kAck);
    socket->flush();
    emit messageReceived(message);
}

bool SingleApplication::connectTo(QLocalSocket &socket, const QString &message, int timeout)
{
    if (m_socketPath.isEmpty())
        return false;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(timeout))
        return false;
    socket.write(frame(message));
    return socket.waitForBytesWritten(timeout);
}

bool SingleApplication::sendMessage(const QString &message, int timeout)
{
    QLocalSocket socket;
    if (!connectTo(socket, message, timeout))
        return false;
    return socket.waitForReadyRead(timeout) && socket.read(kAck.size()) == kAck;
}

std::optional<QString> SingleApplication::sendRequest(const QString &request, int timeout)
{
    QLocalSocket socket;
    if (!connectTo(socket, kRequestMark + request, timeout))
        return std::nullopt;
    QDataStream in(&socket);
    const QDeadlineTimer deadline(timeout);
    while (!deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            break;
        in.startTransaction();
        QString reply;
        in >> reply;
        if (in.commitTransaction())
            return reply;
    }
    return std::nullopt;
}
