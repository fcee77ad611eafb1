#pragma once

#include <QApplication>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// One running instance per program file and user: a later start finds the
// lock taken, hands its text to the running instance over a local socket and
// ends. Two copies of the program in two folders are two instances. Lock
// and socket live in the user's private folder (runtimefolder.h); only
// processes of the same user are served.
class SingleApplication : public QApplication {
    Q_OBJECT
public:
    SingleApplication(int &argc, char **argv);
    ~SingleApplication() override;

    bool isRunning() const { return m_running; }
    // Why this start can neither run nor hand over (no private folder, a
    // lock that no instance holds and that cannot be removed); empty
    // otherwise.
    QString startError() const { return m_startError; }
    // Sends `message` to the running instance; false when it did not take it
    // within `timeout` milliseconds.
    bool sendMessage(const QString &message, int timeout);

    // A request that the running instance answers with a text (the command
    // line's). The answer comes when the instance has carried it out.
    std::optional<QString> sendRequest(const QString &request, int timeout);
    using Answer = std::function<void(const QString &reply)>;
    using RequestHandler = std::function<void(const QString &request, Answer answer)>;
    void setRequestHandler(RequestHandler handler) { m_requestHandler = std::move(handler); }

    // Identity of this program file for this user, usable as a socket or
    // file name.
    static QString instanceIdentity(const QString &programFile);

    // Senders served at once and the largest message taken; more are
    // refused, so that no local process can exhaust the instance's files
    // or memory.
    static constexpr int kMaxConnections = 16;
    static constexpr qint64 kMaxMessageBytes = 1 << 20;

signals:
    void messageReceived(const QString &message);

private:
    void startServer();
    void readConnection();
    void readMessage(QLocalSocket *socket);
    bool connectTo(QLocalSocket &socket, const QString &message, int timeout);

    QString m_identity;
    QString m_socketPath;
    QString m_startError;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    RequestHandler m_requestHandler;
    int m_connections = 0;
    bool m_running = false;
};
