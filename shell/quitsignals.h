#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (log-out, systemctl, kill) and SIGINT (Ctrl+C) as a request to
// quit, delivered in the event loop: the handler only writes a byte to a
// pipe that a socket notifier reads, so the program ends as its Quit does
// and removes its sockets.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;

signals:
    void quitRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
