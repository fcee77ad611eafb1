#pragma once

#include <QApplication>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One running instance per program file and user: a later start finds the
// lock taken, hands its text to the running instance over a local socket and
// ends. Two copies of the program in two folders are two instances.
class SingleApplication : public QApplication {
    Q_OBJECT
public:
    SingleApplication(int &argc, char **argv);
    ~SingleApplication() override;

    bool isRunning() const { return m_running; }
    // Sends `message` to the running instance; false when it did not take it
    // within `timeout` milliseconds.
    bool sendMessage(const QString &message, int timeout);

    // Identity of this program file for this user, usable as a socket or
    // file name.
    static QString instanceIdentity(const QString &programFile);

signals:
    void messageReceived(const QString &message);

private:
    void startServer();
    void readConnection();

    QString m_identity;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    bool m_running = false;
};
