#pragma once

#include "shell/input/copydatamessage.h"

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

// The local socket on which the running instance takes tagged text
// messages from other processes. Each message is handed to the handler as a
// CopyDataMessage; the sender gets back whether it was handled.
class MessageChannel : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(const CopyDataMessage &message)>;

    explicit MessageChannel(Handler handler, QObject *parent = nullptr);
    ~MessageChannel() override;

    bool listen(const QString &name);
    QString serverName() const;

    // The socket for a program file and the current user: the
    // single-instance identity of that program file with a suffix of its
    // own, in the user's private folder; empty when there is none.
    static QString nameFor(const QString &programFile);

    // Senders served at once; more are refused, so that no local process
    // can exhaust the instance's files.
    static constexpr int kMaxConnections = 16;

private:
    class Connection;
    void acceptConnections();

    Handler m_handler;
    QLocalServer *m_server = nullptr;
    int m_connections = 0;
};
