#pragma once

#include "shell/singleapplication.h"

#include <QObject>
#include <QQueue>

class Widget;

namespace cli {

// The window's side of the command line: requests that came over the
// single-instance channel are carried out one after the other on the
// window's controller, and the open window shows the change.
class CommandServer : public QObject {
    Q_OBJECT
public:
    explicit CommandServer(Widget &window, QObject *parent = nullptr);

    // Takes a request (the command line's arguments as JSON) and answers
    // with the result once it has run.
    void take(const QString &request, SingleApplication::Answer answer);

private:
    void runNext();

    Widget &m_window;
    QQueue<QPair<QString, SingleApplication::Answer>> m_waiting;
    bool m_running = false;
};

// The request and its answer as they travel.
QString encodeRequest(const QStringList &arguments);
QStringList decodeRequest(const QString &request);

} // namespace cli
