#include "shell/input/messagechannel.h"

#include "shell/input/inputlog.h"
#include "shell/input/taggedmessage.h"
#include "shell/peercredentials.h"
#include "shell/runtimefolder.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <unistd.h>

// One sender. The handler may open a modal box and so run a nested event
// loop: the connection neither reads again nor deletes itself until the
// handler has returned.
class MessageChannel::Connection : public QObject {
public:
    Connection(QLocalSocket *socket, MessageChannel *channel) : QObject(channel), m_socket(socket), m_channel(channel)
    {
        socket->setParent(this);
        connect(socket, &QLocalSocket::readyRead, this, &Connection::readMessages);
        connect(socket, &QLocalSocket::disconnected, this, &Connection::close);
        readMessages();
    }

private:
    void readMessages()
    {
        if (m_delivering || m_gone)
            return;
        for (;;) {
            taggedmessage::Message message;
            const auto status = m_reader.take(message);
            if (status == taggedmessage::Reader::Status::Oversized) {
                qCWarning(lcInput) << "dropped a tagged message larger than" << taggedmessage::kMaxBytes << "bytes";
                finish();
                return;
            }
            if (status == taggedmessage::Reader::Status::Complete) {
                if (!deliver(message))
                    return;
                continue;
            }
            const QByteArray chunk = m_socket->read(m_reader.wanted());
            if (chunk.isEmpty())
                break;
            m_reader.append(chunk);
        }
        if (m_closing) {
            if (!m_reader.idle())
                qCWarning(lcInput) << "dropped a tagged message that ended early";
            finish();
        }
    }

    // False when this connection went away while the handler ran.
    bool deliver(const taggedmessage::Message &message)
    {
        CopyDataMessage data;
        data.dwData = quintptr(message.tag);
        data.cbData = quint32(message.bytes.size());
        data.lpData = message.bytes.constData(); // a zero byte follows the data

        m_delivering = true;
        const QPointer<Connection> alive(this);
        const bool handled = m_channel && m_channel->m_handler && m_channel->m_handler(data);
        if (!alive)
            return false;
        m_delivering = false;

        if (m_socket->state() == QLocalSocket::ConnectedState) {
            const char reply = handled ? taggedmessage::kHandled : taggedmessage::kNotHandled;
            m_socket->write(&reply, 1);
            m_socket->flush();
        }
        return true;
    }

    void close()
    {
        m_closing = true;
        // What arrived before the end is still read and delivered.
        readMessages();
    }

    void finish()
    {
        if (m_gone)
            return;
        m_gone = true;
        m_closing = true;
        m_socket->abort();
        deleteLater();
    }

    QLocalSocket *m_socket;
    QPointer<MessageChannel> m_channel;
    taggedmessage::Reader m_reader;
    bool m_delivering = false;
    bool m_closing = false;
    bool m_gone = false;
};

MessageChannel::MessageChannel(Handler handler, QObject *parent) : QObject(parent), m_handler(std::move(handler))
{ }

MessageChannel::~MessageChannel() = default;

bool MessageChannel::listen(const QString &name)
{
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a crashed instance of this program file.
    QLocalServer::removeServer(name);
    if (!m_server->listen(name)) {
        qCWarning(lcInput) << "cannot take tagged messages on" << name << ":" << m_server->errorString();
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &MessageChannel::acceptConnections);
    return true;
}

QString MessageChannel::serverName() const
{
    return m_server ? m_server->serverName() : QString();
}

void MessageChannel::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        const bool full = m_connections >= kMaxConnections;
        if (full || !peercredentials::sameUser(*socket)) {
            qCWarning(lcInput) << (full ? "too many senders of tagged messages; one refused"
                                        : "a process of another user refused");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto *connection = new Connection(socket, this);
        ++m_connections;
        connect(connection, &QObject::destroyed, this, [this] { --m_connections; });
    }
}

QString MessageChannel::nameFor(const QString &programFile)
{
    // The same identity as the single-instance lock and socket, in the
    // same private folder.
    const QByteArray key = programFile.toUtf8() + '\n' + QByteArray::number(getuid());
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16);
    return runtimefolder::pathFor(QStringLiteral("orbex-mouse-") + QString::fromLatin1(hash) + QStringLiteral("-message"));
}
